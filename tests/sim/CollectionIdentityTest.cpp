// The emulated products must look to the host exactly like the hardware: every supported
// interface once, with its identity in path, attributes and report descriptor, next to
// interfaces of the same products that must not match.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "SimTestSupport.h"
#include "device/DeviceTables.h"
#include "sim/CollectionCatalog.h"
#include "sim/ReportDescriptorBuilder.h"

namespace ilmo::sim {
namespace {

using device::ReportDirection;
using test::PluggedBus;

struct OpenedIdentity {
    device::PathIdentity path;
    uint16_t usage_page = 0;
    uint16_t usage = 0;
};

std::map<std::string, OpenedIdentity> open_every_path(PluggedBus& plugged) {
    std::vector<std::string> paths;
    EXPECT_TRUE(plugged.backend.enumerate(paths));
    std::map<std::string, OpenedIdentity> identities;
    for (const auto& path : paths) {
        auto handle = plugged.open(path);
        EXPECT_NE(handle, nullptr) << path;
        if (!handle) continue;
        OpenedIdentity id{device::parse_path_identity(path), handle->collection().usage_page,
                          handle->collection().usage};
        // The attributes, not the path text, are what the full match trusts.
        EXPECT_EQ(id.path.vendor_id, handle->attributes().vendor_id) << path;
        EXPECT_EQ(id.path.product_id, handle->attributes().product_id) << path;
        identities[path] = id;
    }
    return identities;
}

bool matches(const device::SupportedInterface& row, const OpenedIdentity& id) {
    return row.vendor_id == id.path.vendor_id && row.product_id == id.path.product_id &&
           row.interface_number == id.path.interface_number &&
           row.collection_number == id.path.collection_number && row.usage_page == id.usage_page &&
           row.usage == id.usage;
}

TEST(CollectionIdentity, EverySupportedRowIsPresentExactlyOnce) {
    PluggedBus plugged;
    const auto identities = open_every_path(plugged);
    for (size_t row = 0; row < device::kSupportedInterfaces.size(); ++row) {
        int found = 0;
        for (const auto& [path, id] : identities) {
            if (matches(device::kSupportedInterfaces[row], id)) ++found;
        }
        EXPECT_EQ(found, 1) << "row " << row;
    }
}

TEST(CollectionIdentity, EveryProductAlsoShowsInterfacesThatMustNotMatch) {
    PluggedBus plugged;
    const auto identities = open_every_path(plugged);
    std::set<std::string> unmatched_products;
    for (const auto& [path, id] : identities) {
        bool supported = false;
        for (const auto& row : device::kSupportedInterfaces) supported |= matches(row, id);
        if (!supported) unmatched_products.insert(path.substr(0, path.find('#')));
    }
    // The headset's single interface is its command interface; the others carry more.
    EXPECT_EQ(unmatched_products,
              (std::set<std::string>{"sim/keyboard", "sim/keyboard-receiver", "sim/mouse",
                                     "sim/mouse-receiver", "sim/mousepad"}));

    const auto boot = identities.find("sim/keyboard#vid_320f&pid_5012&mi_00");
    ASSERT_NE(boot, identities.end()) << "a single-collection interface has no &col";
    EXPECT_EQ(boot->second.usage_page, 0x01);
    EXPECT_EQ(boot->second.usage, 0x06);

    const auto keys = identities.find("sim/keyboard#vid_320f&pid_5012&mi_01&col01");
    ASSERT_NE(keys, identities.end());
    EXPECT_EQ(keys->second.usage, 0x06);
    const auto system = identities.find("sim/keyboard#vid_320f&pid_5012&mi_01&col02");
    ASSERT_NE(system, identities.end());
    EXPECT_EQ(system->second.usage, 0x80);
}

TEST(CollectionIdentity, MouseCarriesAVendorCollectionOnTheOtherProductsCommandPage) {
    PluggedBus plugged;
    const auto identities = open_every_path(plugged);
    const auto& mouse_command = device::kSupportedInterfaces[4];
    int decoys = 0;
    for (const auto& [path, id] : identities) {
        if (id.path.product_id == 0x10D4 && id.usage_page == 0xFF1C && id.usage == 0x92) {
            ++decoys;
            EXPECT_EQ(id.path.interface_number, mouse_command.interface_number) << path;
            EXPECT_FALSE(matches(mouse_command, id)) << path;
        }
    }
    EXPECT_EQ(decoys, 1);
}

TEST(CollectionIdentity, CommandCollectionsCarry64ByteReportsWithId4) {
    PluggedBus plugged;
    for (SimProduct product :
         {SimProduct::Keyboard, SimProduct::KeyboardReceiver, SimProduct::Mouse,
          SimProduct::MouseReceiver, SimProduct::MousePad}) {
        auto handle = plugged.open_command(product);
        ASSERT_NE(handle, nullptr) << product_name(product);
        const auto& collection = handle->collection();
        EXPECT_EQ(collection.report_bytes(ReportDirection::Input), 64);
        EXPECT_EQ(collection.report_bytes(ReportDirection::Output), 64);
        EXPECT_TRUE(collection.has_report_id(ReportDirection::Output, 0x04));
        EXPECT_TRUE(collection.has_report_id(ReportDirection::Input, 0x04));
    }
}

TEST(CollectionIdentity, EventReportsUnpackToTheSixteenBitCode) {
    PluggedBus plugged;
    auto handle = plugged.open(plugged.bus->event_path(SimProduct::Mouse));
    ASSERT_NE(handle, nullptr);
    ASSERT_TRUE(plugged.bus->send_event(SimProduct::Mouse, 0x1123));
    std::vector<uint8_t> report(handle->collection().report_bytes(ReportDirection::Input));
    size_t transferred = 0;
    ASSERT_EQ(handle->read(report, transferred, 1000), 1);
    EXPECT_EQ(report, (std::vector<uint8_t>{0x03, 0x23, 0x11}));
    const auto entries = device::unpack_input_report(handle->collection(), report);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].usage_page, 0x0C);
    EXPECT_EQ(entries[0].usages, (std::vector<uint32_t>{0x1123}));
}

TEST(CollectionIdentity, HeadsetHasOneCollectionWith17ByteLightingReports) {
    PluggedBus plugged;
    const auto paths = plugged.bus->paths(SimProduct::Headset);
    ASSERT_EQ(paths, (std::vector<std::string>{"sim/headset#vid_0c76&pid_1630&mi_03"}));
    auto handle = plugged.open(paths[0]);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->collection().report_bytes(ReportDirection::Output), 17);
    EXPECT_TRUE(handle->collection().has_report_id(ReportDirection::Output, 0xFF));
    EXPECT_GT(handle->collection().report_bytes(ReportDirection::Input), 0);
    EXPECT_FALSE(plugged.bus->send_event(SimProduct::Headset, 0x0401));
}

TEST(CollectionPath, NamesTheCollectionOnlyWhenTheInterfaceHasSeveral) {
    EXPECT_EQ(collection_path(SimProduct::MouseReceiver, 1, 4, 4),
              "sim/mouse-receiver#vid_320f&pid_221d&mi_01&col04");
    EXPECT_EQ(collection_path(SimProduct::Mouse, 0, 1, 1), "sim/mouse#vid_12d1&pid_10d4&mi_00");
    EXPECT_EQ(collection_path(SimProduct::Keyboard, 10, 11, 12),
              "sim/keyboard#vid_320f&pid_5012&mi_0a&col0b");
}

TEST(ReportDescriptorBuilder, ChoosesTheShortestEncodingThatKeepsTheSign) {
    ReportDescriptorBuilder b;
    b.usage_page(0xFF1C).usage(0x92).logical_minimum(0).logical_maximum(0xFF);
    b.logical_minimum(-127).logical_maximum(0x7FFF).report_count(120).report_id(4);
    b.collection(ReportDescriptorBuilder::kApplication).input(0x02).end_collection();
    const std::vector<uint8_t> expected{0x06, 0x1C, 0xFF, 0x09, 0x92, 0x15, 0x00, 0x26,
                                        0xFF, 0x00, 0x15, 0x81, 0x26, 0xFF, 0x7F, 0x95,
                                        0x78, 0x85, 0x04, 0xA1, 0x01, 0x81, 0x02, 0xC0};
    EXPECT_EQ(b.bytes(), expected);
}

}  // namespace
}  // namespace ilmo::sim
