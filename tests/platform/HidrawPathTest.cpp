#include "platform/HidrawPath.h"

#include <gtest/gtest.h>

#include "device/DeviceTables.h"

namespace ilmo::platform {
namespace {

using device::PathIdentity;

TEST(HidrawPathTest, FormatsCollectionTagOnlyForInterfacesWithSeveral) {
    const HidrawIdentity keyboard{0x320F, 0x5012, 1};
    EXPECT_EQ(format_hidraw_path("/dev/hidraw5", keyboard, 3, 4),
              "/dev/hidraw5#vid_320f&pid_5012&mi_01&col04");
    EXPECT_EQ(format_hidraw_path("/dev/hidraw5", keyboard, 15, 16),
              "/dev/hidraw5#vid_320f&pid_5012&mi_01&col10");  // hexadecimal, as Windows
    EXPECT_EQ(format_hidraw_path("/dev/hidraw2", {0x0C76, 0x1630, 3}, 0, 1),
              "/dev/hidraw2#vid_0c76&pid_1630&mi_03");
    // A device off the USB (Bluetooth, I2C) has no interface number.
    EXPECT_EQ(format_hidraw_path("/dev/hidraw9", {0x12D1, 0x10D4, {}}, 1, 2),
              "/dev/hidraw9#vid_12d1&pid_10d4&col02");
}

TEST(HidrawPathTest, EverySupportedInterfaceReadsBackFromItsPath) {
    for (const auto& row : device::kSupportedInterfaces) {
        // Collection 0 stands for an interface with a single top-level collection.
        const size_t count = row.collection_number == 0 ? 1 : 4;
        const size_t index = row.collection_number == 0 ? 0 : row.collection_number - 1u;
        const HidrawIdentity identity{row.vendor_id, row.product_id,
                                      static_cast<uint8_t>(row.interface_number)};
        const std::string path = format_hidraw_path("/dev/hidraw0", identity, index, count);
        const PathIdentity expected{row.vendor_id, row.product_id, row.interface_number,
                                    row.collection_number};
        EXPECT_EQ(device::parse_path_identity(path), expected) << path;
        EXPECT_EQ(collection_index_of(expected, count), index) << path;
        EXPECT_TRUE(identity_matches(expected, identity)) << path;
    }
}

TEST(HidrawPathTest, SplitsNodeAndChecksCollectionNumbers) {
    EXPECT_EQ(hidraw_node_of("/dev/hidraw12#vid_320f&pid_5012&mi_01&col03"), "/dev/hidraw12");
    EXPECT_EQ(hidraw_node_of("/dev/hidraw12"), "/dev/hidraw12");

    EXPECT_EQ(collection_index_of({0x320F, 0x5012, 1, 0}, 1), 0u);
    EXPECT_EQ(collection_index_of({0x320F, 0x5012, 1, 1}, 1), std::nullopt);
    EXPECT_EQ(collection_index_of({0x320F, 0x5012, 1, 0}, 4), std::nullopt);
    EXPECT_EQ(collection_index_of({0x320F, 0x5012, 1, 4}, 4), 3u);
    EXPECT_EQ(collection_index_of({0x320F, 0x5012, 1, 5}, 4), std::nullopt);
}

TEST(HidrawPathTest, IdentityOfAReusedNodeNumberDoesNotMatch) {
    const PathIdentity keyboard{0x320F, 0x5012, 1, 4};
    EXPECT_TRUE(identity_matches(keyboard, {0x320F, 0x5012, 1}));
    EXPECT_FALSE(identity_matches(keyboard, {0x320F, 0x5088, 1}));
    EXPECT_FALSE(identity_matches(keyboard, {0x320F, 0x5012, 2}));
    EXPECT_FALSE(identity_matches(keyboard, {0x330F, 0x5012, 1}));
    EXPECT_TRUE(identity_matches({0x12D1, 0x10D4, 0, 2}, {0x12D1, 0x10D4, {}}));
}

TEST(HidrawPathTest, ParsesHidIdProperty) {
    const auto usb = parse_hid_id("0003:0000320F:00005012");
    ASSERT_TRUE(usb);
    EXPECT_EQ(usb->vendor_id, 0x320F);
    EXPECT_EQ(usb->product_id, 0x5012);
    EXPECT_EQ(parse_hid_id("0005:00000C76:00001630")->product_id, 0x1630);

    EXPECT_FALSE(parse_hid_id(""));
    EXPECT_FALSE(parse_hid_id("0003:0000320F"));
    EXPECT_FALSE(parse_hid_id("0003:0001320F:00005012"));  // more than 16 bits
    EXPECT_FALSE(parse_hid_id("0003:0000320G:00005012"));
    EXPECT_FALSE(parse_hid_id("0003::00005012"));
}

}  // namespace
}  // namespace ilmo::platform
