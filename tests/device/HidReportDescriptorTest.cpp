#include "device/HidReportDescriptor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace ilmo::device {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Bytes = std::vector<uint8_t>;

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A keyboard's interface 1: boot-style keys, system control, consumer control and the
// vendor command collection, each a top-level collection with its own report id.
const Bytes kKeyboardCol1 = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01,              // keyboard, id 1
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,  // modifiers
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02,                          //   8 x 1 bit
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                          // reserved byte
    0x95, 0x05, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF, 0x00,        // 5 key codes
    0x19, 0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00,                    //   array
    0x05, 0x08, 0x95, 0x05, 0x75, 0x01, 0x19, 0x01, 0x29, 0x05,  // LEDs
    0x25, 0x01, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01,  //   + padding
    0xC0};
const Bytes kKeyboardCol2 = {
    0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x85, 0x02,  // system control, id 2
    0x19, 0x81, 0x29, 0x83, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01,
    0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0xC0};
const Bytes kKeyboardCol3 = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03,  // consumer, id 3
                             0x19, 0x00, 0x2A, 0xFF, 0x7F, 0x15, 0x00, 0x26, 0xFF,
                             0x7F, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0};
const Bytes kKeyboardCol4 = {0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01, 0x85, 0x04,  // vendor, id 4
                             0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,
                             0x95, 0x3F, 0x81, 0x02, 0x09, 0x02, 0x91, 0x02, 0xC0};
const Bytes kKeyboardInterface = join({kKeyboardCol1, kKeyboardCol2, kKeyboardCol3, kKeyboardCol4});

// The mouse's command interface: one vendor collection holding a nested one.
const Bytes kMouseCommand = {0x06, 0x01, 0xFF, 0x09, 0x00, 0xA1, 0x01, 0x85, 0x05, 0x09,
                             0x01, 0xA1, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,
                             0x95, 0x3F, 0x81, 0x02, 0x09, 0x02, 0x91, 0x02, 0xC0, 0xC0};

// The headset: one consumer collection with media keys (id 1) and a 16-byte output (id 0xFF).
const Bytes kHeadset = {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x09, 0xE9, 0x09,
                        0xEA, 0x09, 0xE2, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x03,
                        0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0x85, 0xFF, 0x09, 0x03, 0x26,
                        0xFF, 0x00, 0x75, 0x08, 0x95, 0x10, 0x91, 0x02, 0xC0};

// A collection without report ids carrying one value field.
Bytes value_collection(Bytes value_items) {
    return join(
        {{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x09, 0x30}, value_items, {0x81, 0x02, 0xC0}});
}

TopLevelCollection only_collection(const Bytes& descriptor) {
    const auto parsed = parse_report_descriptor(descriptor);
    EXPECT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed ? parsed->collections.size() : 0u, 1u);
    return parsed && !parsed->collections.empty() ? parsed->collections[0] : TopLevelCollection{};
}

std::vector<ReportField> fields_of(const TopLevelCollection& collection, ReportDirection dir) {
    std::vector<ReportField> fields;
    for (const ReportField& field : collection.fields) {
        if (field.direction == dir) fields.push_back(field);
    }
    return fields;
}

TEST(HidReportDescriptorTest, KeyboardInterfaceYieldsEachTopLevelCollectionInOrder) {
    const auto parsed = parse_report_descriptor(kKeyboardInterface);
    ASSERT_TRUE(parsed);
    const auto& cols = parsed->collections;
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(cols[0].usage_page, 0x01);
    EXPECT_EQ(cols[0].usage, 0x06);
    EXPECT_EQ(cols[1].usage_page, 0x01);
    EXPECT_EQ(cols[1].usage, 0x80);
    EXPECT_EQ(cols[2].usage_page, 0x0C);
    EXPECT_EQ(cols[2].usage, 0x01);
    EXPECT_EQ(cols[3].usage_page, 0xFF1C);
    EXPECT_EQ(cols[3].usage, 0x92);
    for (const auto& col : cols) EXPECT_TRUE(col.uses_report_ids);

    EXPECT_EQ(cols[0].report_bytes(ReportDirection::Input), 8);   // 1 + 1 + 5 data + id
    EXPECT_EQ(cols[0].report_bytes(ReportDirection::Output), 2);  // 5 LEDs + 3 padding
    EXPECT_EQ(cols[0].report_bytes(ReportDirection::Feature), 0);
    EXPECT_EQ(cols[1].report_bytes(ReportDirection::Input), 2);
    EXPECT_EQ(cols[1].report_bytes(ReportDirection::Output), 0);
    EXPECT_EQ(cols[2].report_bytes(ReportDirection::Input), 3);
    EXPECT_EQ(cols[3].report_bytes(ReportDirection::Input), 64);
    EXPECT_EQ(cols[3].report_bytes(ReportDirection::Output), 64);

    EXPECT_TRUE(cols[3].has_report_id(ReportDirection::Output, 4));
    EXPECT_FALSE(cols[3].has_report_id(ReportDirection::Output, 3));
    EXPECT_FALSE(cols[2].has_report_id(ReportDirection::Output, 3));
}

TEST(HidReportDescriptorTest, FieldsCarryOffsetsUsagesAndRangesAndSkipPadding) {
    const auto cols = parse_report_descriptor(kKeyboardInterface)->collections;
    const auto input = fields_of(cols[0], ReportDirection::Input);
    ASSERT_EQ(input.size(), 2u);  // the reserved byte is padding, not a field
    EXPECT_EQ(input[0].bit_offset, 0u);
    EXPECT_EQ(input[0].usage_page, 0x07);
    EXPECT_THAT(input[0].usages, ElementsAre(UsageRange{0xE0, 0xE7}));
    EXPECT_TRUE(input[0].is_variable);
    EXPECT_TRUE(input[0].is_button());
    EXPECT_EQ(input[1].bit_offset, 16u);  // after the padding byte
    EXPECT_EQ(input[1].bit_size, 8);
    EXPECT_EQ(input[1].count, 5);
    EXPECT_FALSE(input[1].is_variable);
    EXPECT_EQ(input[1].logical_max, 255);

    const auto output = fields_of(cols[0], ReportDirection::Output);
    ASSERT_EQ(output.size(), 1u);
    EXPECT_EQ(output[0].usage_page, 0x08);
    EXPECT_EQ(output[0].report_id, 1);

    const auto vendor_in = fields_of(cols[3], ReportDirection::Input);
    ASSERT_EQ(vendor_in.size(), 1u);
    EXPECT_THAT(vendor_in[0].usages, ElementsAre(UsageRange{0x01, 0x01}));
    EXPECT_FALSE(vendor_in[0].is_button());  // 8-bit variable: a value
}

TEST(HidReportDescriptorTest, OffsetsOfOneReportAccumulateAcrossCollections) {
    // Two collections feeding input report 7: the second's field starts after the first's.
    const Bytes descriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x07, 0x09,
                              0x01, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02, 0xC0, 0x09, 0x02,
                              0xA1, 0x01, 0x09, 0x02, 0x95, 0x01, 0x81, 0x02, 0xC0};
    const auto parsed = parse_report_descriptor(descriptor);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->collections.size(), 2u);
    ASSERT_EQ(parsed->collections[1].fields.size(), 1u);
    EXPECT_EQ(parsed->collections[1].fields[0].bit_offset, 16u);
    EXPECT_TRUE(parsed->collections[1].uses_report_ids);  // report id is global state
    EXPECT_EQ(parsed->collections[0].report_bytes(ReportDirection::Input), 4);
    EXPECT_EQ(parsed->collections[1].report_bytes(ReportDirection::Input), 4);
}

TEST(HidReportDescriptorTest, MouseAndHeadsetShapes) {
    const TopLevelCollection mouse = only_collection(kMouseCommand);
    EXPECT_EQ(mouse.usage_page, 0xFF01);
    EXPECT_EQ(mouse.usage, 0x00);
    EXPECT_EQ(mouse.fields.size(), 2u);  // the nested collection's fields belong here
    EXPECT_EQ(mouse.report_bytes(ReportDirection::Input), 64);

    const TopLevelCollection headset = only_collection(kHeadset);
    EXPECT_EQ(headset.usage_page, 0x0C);
    EXPECT_EQ(headset.usage, 0x01);
    EXPECT_TRUE(headset.has_report_id(ReportDirection::Output, 0xFF));
    EXPECT_EQ(headset.report_bytes(ReportDirection::Output), 17);
    EXPECT_EQ(headset.report_bytes(ReportDirection::Input), 2);
}

TEST(HidReportDescriptorTest, ItemEncodingsGlobalStackAndLongItems) {
    // 32-bit usage with the page in the high word wins over the current usage page.
    const TopLevelCollection extended =
        only_collection({0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0x00, 0xA1, 0x01, 0xC0});
    EXPECT_EQ(extended.usage_page, 0x0C);
    EXPECT_EQ(extended.usage, 0x01);

    // Pop restores the report size pushed before it; a long item in between is skipped.
    const TopLevelCollection stacked = only_collection(value_collection(
        {0x75, 0x08, 0x95, 0x01, 0xA4, 0x75, 0x20, 0xFE, 0x02, 0x10, 0xAA, 0xBB, 0xB4}));
    ASSERT_EQ(stacked.fields.size(), 1u);
    EXPECT_EQ(stacked.fields[0].bit_size, 8);

    // A one-byte maximum of 0xFF is 255 above a non-negative minimum, -1 below a negative one.
    const auto unsigned_max =
        only_collection(value_collection({0x15, 0x00, 0x25, 0xFF, 0x75, 0x08, 0x95, 0x01}));
    EXPECT_EQ(unsigned_max.fields.at(0).logical_max, 255);
    const auto signed_range =
        only_collection(value_collection({0x15, 0x81, 0x25, 0xFF, 0x75, 0x08, 0x95, 0x01}));
    EXPECT_EQ(signed_range.fields.at(0).logical_min, -127);
    EXPECT_EQ(signed_range.fields.at(0).logical_max, -1);
}

TEST(HidReportDescriptorTest, MalformedDescriptorsAreRejected) {
    const std::vector<Bytes> malformed = {
        {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x26, 0xFF},              // truncated item data
        {0xA1, 0x01, 0xFE, 0x05, 0x00, 0x01, 0x02, 0xC0},              // truncated long item
        {0xC0},                                                        // end without collection
        {0xA1, 0x01, 0xA1, 0x00, 0xC0},                                // unbalanced at the end
        {0xA1, 0x01, 0x75, 0x08, 0x96, 0x01, 0x20, 0x81, 0x02, 0xC0},  // 65544 bits
        {0xA1, 0x01, 0x75, 0x20, 0x96, 0x00, 0x08, 0x81, 0x02,         // 65536 bits, then
         0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0},                    //   one byte more
        {0xA1, 0x01, 0xB4, 0xC0},                                      // pop without push
        {0xA1, 0x01, 0x85, 0x00, 0xC0},                                // report id 0
    };
    for (const Bytes& descriptor : malformed) {
        EXPECT_FALSE(parse_report_descriptor(descriptor).has_value())
            << "descriptor of " << descriptor.size() << " bytes";
    }
    EXPECT_TRUE(parse_report_descriptor({}).has_value());
}

TEST(HidReportDescriptorTest, EveryTruncationIsRejectedOrKeepsOnlyWholeCollections) {
    const auto full = parse_report_descriptor(kKeyboardInterface)->collections;
    const size_t ends[] = {kKeyboardCol1.size(), kKeyboardCol1.size() + kKeyboardCol2.size(),
                           kKeyboardInterface.size() - kKeyboardCol4.size()};
    for (size_t length = 0; length < kKeyboardInterface.size(); ++length) {
        const auto parsed = parse_report_descriptor(std::span(kKeyboardInterface).first(length));
        if (!parsed) continue;
        const auto complete = static_cast<size_t>(std::count_if(
            std::begin(ends), std::end(ends), [&](size_t end) { return end <= length; }));
        // A cut inside a collection never parses; one between collections keeps those before.
        ASSERT_EQ(parsed->collections.size(), complete) << "length " << length;
        for (size_t i = 0; i < complete; ++i) {
            EXPECT_EQ(parsed->collections[i].usage, full[i].usage) << "length " << length;
        }
    }
}

TEST(HidReportDescriptorTest, UnpacksButtonSets) {
    const auto cols = parse_report_descriptor(kKeyboardInterface)->collections;

    const auto consumer = unpack_input_report(cols[2], Bytes{0x03, 0x23, 0x11});
    ASSERT_EQ(consumer.size(), 1u);
    EXPECT_TRUE(consumer[0].is_button);
    EXPECT_EQ(consumer[0].report_id, 3);
    EXPECT_EQ(consumer[0].usage_page, 0x0C);
    EXPECT_THAT(consumer[0].usages, ElementsAre(0x1123u));
    EXPECT_THAT(unpack_input_report(cols[2], Bytes{0x03, 0x00, 0x00}).at(0).usages, IsEmpty());

    // Left shift + right control held, keys A and B down.
    const auto keys =
        unpack_input_report(cols[0], Bytes{0x01, 0x12, 0x00, 0x04, 0x00, 0x05, 0x00, 0x00});
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_THAT(keys[0].usages, ElementsAre(0xE1u, 0xE4u));
    EXPECT_THAT(keys[1].usages, ElementsAre(0x04u, 0x05u));

    const auto system = unpack_input_report(cols[1], Bytes{0x02, 0x04});
    ASSERT_EQ(system.size(), 1u);
    EXPECT_THAT(system[0].usages, ElementsAre(0x83u));
}

TEST(HidReportDescriptorTest, UnpackIgnoresForeignIdsAndShortReports) {
    const auto cols = parse_report_descriptor(kKeyboardInterface)->collections;
    EXPECT_THAT(unpack_input_report(cols[2], Bytes{0x01, 0x23, 0x11}), IsEmpty());
    EXPECT_THAT(unpack_input_report(cols[2], Bytes{0x00, 0x23, 0x11}), IsEmpty());
    EXPECT_THAT(unpack_input_report(cols[2], Bytes{}), IsEmpty());
    EXPECT_THAT(unpack_input_report(cols[2], Bytes{0x03, 0x23}), IsEmpty());
}

TEST(HidReportDescriptorTest, ArrayValuesOutsideTheLogicalRangeOrUsageListAreSkipped) {
    // Array of listed usages 0xB5, 0xB6, 0xCD with logical 1..3; no report ids.
    const TopLevelCollection col =
        only_collection({0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x09, 0xB5, 0x09, 0xB6, 0x09, 0xCD,
                         0x15, 0x01, 0x25, 0x04, 0x75, 0x08, 0x95, 0x04, 0x81, 0x00, 0xC0});
    EXPECT_FALSE(col.uses_report_ids);
    EXPECT_EQ(col.report_bytes(ReportDirection::Input), 5);  // the id byte counts anyway
    const auto entries = unpack_input_report(col, Bytes{0x00, 0x03, 0x04, 0x01, 0x09});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_THAT(entries[0].usages, ElementsAre(0xCDu, 0xB5u));
}

TEST(HidReportDescriptorTest, ListedUsagesAndRangesFormOneListInDeclarationOrder) {
    // System control: Sleep, Power Down, Wake Up listed, then a range 1..3 behind them.
    const TopLevelCollection system = only_collection(
        {0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x09, 0x82, 0x09, 0x81, 0x09, 0x83, 0x19, 0x01,
         0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05,
         0x81, 0x01, 0xC0});
    ASSERT_EQ(system.fields.size(), 1u);
    EXPECT_THAT(system.fields[0].usages,
                ElementsAre(UsageRange{0x82, 0x82}, UsageRange{0x81, 0x81},
                            UsageRange{0x83, 0x83}, UsageRange{0x01, 0x03}));
    EXPECT_THAT(unpack_input_report(system, Bytes{0x00, 0x07}).at(0).usages,
                ElementsAre(0x82u, 0x81u, 0x83u));

    // Two ranges around a listed usage, read by bits and by an array's indices.
    const Bytes usages = {0x19, 0x01, 0x29, 0x02, 0x09, 0x10, 0x19, 0x20, 0x29, 0x21};
    const TopLevelCollection bits = only_collection(join(
        {{0x05, 0x09, 0x09, 0x01, 0xA1, 0x01}, usages,
         {0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0}}));
    EXPECT_THAT(unpack_input_report(bits, Bytes{0x00, 0x1D}).at(0).usages,
                ElementsAre(0x01u, 0x10u, 0x20u, 0x21u));
    const TopLevelCollection array = only_collection(join(
        {{0x05, 0x09, 0x09, 0x01, 0xA1, 0x01}, usages,
         {0x15, 0x01, 0x25, 0x05, 0x75, 0x08, 0x95, 0x03, 0x81, 0x00, 0xC0}}));
    EXPECT_THAT(unpack_input_report(array, Bytes{0x00, 0x03, 0x05, 0x02}).at(0).usages,
                ElementsAre(0x10u, 0x21u, 0x02u));
}

TEST(HidReportDescriptorTest, BitsBeyondTheLastUsageTakeTheLastUsage) {
    // Five 1-bit variables over the range 1..3: bits 3 and 4 are usage 3 again.
    const TopLevelCollection col = only_collection(
        {0x05, 0x09, 0x09, 0x01, 0xA1, 0x01, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01,
         0x75, 0x01, 0x95, 0x05, 0x81, 0x02, 0x95, 0x03, 0x81, 0x01, 0xC0});
    EXPECT_THAT(unpack_input_report(col, Bytes{0x00, 0x19}).at(0).usages,
                ElementsAre(0x01u, 0x03u, 0x03u));
}

TEST(HidReportDescriptorTest, EachValueUsageGetsItsOwnEntry) {
    // X and Y listed, then a range Z..Rx, each a signed byte.
    const TopLevelCollection pointer = only_collection(value_collection(
        {0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02, 0x19, 0x32,
         0x29, 0x33, 0x95, 0x02}));
    const auto entries = unpack_input_report(pointer, Bytes{0x00, 0xFE, 0x05, 0x07, 0x80});
    ASSERT_EQ(entries.size(), 4u);
    const std::pair<uint32_t, int32_t> expected[] = {
        {0x30, -2}, {0x31, 5}, {0x32, 7}, {0x33, -128}};
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_FALSE(entries[i].is_button);
        EXPECT_EQ(entries[i].usage_min, expected[i].first) << i;
        EXPECT_EQ(entries[i].usage_max, expected[i].first) << i;
        EXPECT_EQ(entries[i].raw_value, expected[i].second) << i;
    }

    // One usage over 63 bytes is one value (an array of them), as a command report's payload.
    const auto cols = parse_report_descriptor(kKeyboardInterface)->collections;
    Bytes command(64, 0);
    command[0] = 0x04;
    command[1] = 0x42;
    const auto payload = unpack_input_report(cols[3], command);
    ASSERT_EQ(payload.size(), 1u);
    EXPECT_EQ(payload[0].usage_min, 0x01u);
    EXPECT_EQ(payload[0].raw_value, 0x42);
}

TEST(HidReportDescriptorTest, UnpacksSignedAndScaledValues) {
    const TopLevelCollection plain =
        only_collection(value_collection({0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01}));
    const auto negative = unpack_input_report(plain, Bytes{0x00, 0xFE});
    ASSERT_EQ(negative.size(), 1u);
    EXPECT_FALSE(negative[0].is_button);
    EXPECT_EQ(negative[0].raw_value, -2);
    EXPECT_EQ(negative[0].scaled_value, -2);  // no physical range: scaled equals raw

    // 0..255 logical onto 0..1000 physical.
    const TopLevelCollection scaled = only_collection(value_collection(
        {0x15, 0x00, 0x26, 0xFF, 0x00, 0x35, 0x00, 0x46, 0xE8, 0x03, 0x75, 0x08, 0x95, 0x01}));
    const auto entry = unpack_input_report(scaled, Bytes{0x00, 0x33}).at(0);
    EXPECT_EQ(entry.raw_value, 0x33);
    EXPECT_EQ(entry.scaled_value, 200);
    EXPECT_EQ(unpack_input_report(scaled, Bytes{0x00, 0xFF}).at(0).scaled_value, 1000);
}

}  // namespace
}  // namespace ilmo::device
