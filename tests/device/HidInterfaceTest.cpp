// The HID interface record: enumeration with a cursor, one open handle, reads that closing
// ends, and what an open leaves behind.

#include <gtest/gtest.h>

#include <future>

#include "ChannelFixture.h"

namespace ilmo::device::testing {
namespace {

using sim::SimProduct;

TEST_F(ChannelTest, CloseForgetsWhatTheOpenFound) {
    HidInterface record(backend);
    ASSERT_EQ(record.open(bus->command_path(SimProduct::Keyboard), OpenOptions{}), 1);
    ASSERT_EQ(record.attributes().vendor_id, 0x320F);
    ASSERT_EQ(record.collection().usage_page, 0xFF1C);
    record.close();
    EXPECT_FALSE(record.is_open());
    EXPECT_TRUE(record.path().empty());
    EXPECT_EQ(record.collection_number(), 0u);
    EXPECT_EQ(record.attributes().vendor_id, 0);
    EXPECT_EQ(record.attributes().product_id, 0);
    EXPECT_EQ(record.collection().usage_page, 0);
    EXPECT_TRUE(record.collection().reports.empty());
    // Nothing of the closed collection is used to unpack reports any more.
    EXPECT_TRUE(record.unpack_input_report(std::vector<uint8_t>(64, 0x04)).empty());
}

TEST_F(ChannelTest, ClosingTheRecordEndsABlockedReadAtOnce) {
    HidInterface events(backend);
    ASSERT_EQ(events.open(bus->event_path(SimProduct::Keyboard), OpenOptions{}), 1);
    auto reader = std::async(std::launch::async, [&] {
        std::array<uint8_t, 64> report{};
        size_t transferred = 0;
        return events.read(report, transferred, -1);
    });
    // The read has no time-out; only closing the record can end it.
    EXPECT_EQ(reader.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    events.close();
    ASSERT_EQ(reader.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(reader.get(), 0);
}

TEST_F(ChannelTest, EventReportsUnpackToTheirCode) {
    HidInterface events(backend);
    ASSERT_EQ(events.open(bus->event_path(SimProduct::Mouse), OpenOptions{}), 1);
    ASSERT_TRUE(bus->send_event(SimProduct::Mouse, 0x1123));
    std::array<uint8_t, 64> report{};
    size_t transferred = 0;
    ASSERT_EQ(events.read(report, transferred, 1000), 1);
    const auto entries = events.unpack_input_report(std::span(report.data(), transferred));
    ASSERT_FALSE(entries.empty());
    ASSERT_TRUE(entries[0].is_button);
    ASSERT_EQ(entries[0].usages.size(), 1u);
    EXPECT_EQ(entries[0].usages[0], 0x1123u);
}

TEST_F(ChannelTest, PathListGrowsByDoublingWithoutLosingPaths) {
    HidInterface scanner(backend);
    ASSERT_TRUE(scanner.enumerate());
    std::vector<std::string> expected;
    ASSERT_TRUE(backend.enumerate(expected));
    ASSERT_GT(expected.size(), 16u);
    size_t capacity = 4;
    while (capacity < expected.size()) capacity *= 2;
    EXPECT_EQ(scanner.paths().capacity(), capacity);
    std::vector<std::string> walked;
    while (const std::string* path = scanner.next_path()) walked.push_back(*path);
    EXPECT_EQ(walked, expected);
}

}  // namespace
}  // namespace ilmo::device::testing
