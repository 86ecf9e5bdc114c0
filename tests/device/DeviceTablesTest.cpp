#include <gtest/gtest.h>

#include "device/DeviceTables.h"
#include "device/SlotTable.h"

namespace ilmo::device {
namespace {

TEST(PathIdentity, ReadsHexadecimalIdsWhateverTheCase) {
    const auto id = parse_path_identity(
        R"(\\?\HID#VID_320F&PID_5012&MI_01&Col04#7&2b8e&0&0003#{4d1e55b2-f16f-11cf})");
    EXPECT_EQ(id, (PathIdentity{0x320F, 0x5012, 1, 4}));
    EXPECT_EQ(parse_path_id("/dev/hidraw3#vid_0c76&pid_1630&mi_03", "&col"), 0u);
    EXPECT_EQ(parse_path_id("/dev/hidraw3#vid_0c76&pid_1630&mi_03", "&mi_"), 3u);
}

TEST(PathIdentity, MissingTagsAndGarbageReadAsZero) {
    EXPECT_EQ(parse_path_identity(""), PathIdentity{});
    EXPECT_EQ(parse_path_id("vid_", "vid_"), 0u);
    EXPECT_EQ(parse_path_id("vid_zz12", "vid_"), 0u);
    EXPECT_EQ(parse_path_id("vid_12zz", "vid_"), 0x12u);
    // Overlong digit runs stop at 32 bits instead of overflowing.
    EXPECT_EQ(parse_path_id("pid_123456789abc", "pid_"), 0x12345678u);
}

TEST(DeviceTables, TwinRowsPointBackAtEachOther) {
    for (int row = 0; row < kSlotCount; ++row) {
        const auto& r = kSupportedInterfaces[row];
        if (!r.has_twin) continue;
        const auto& twin = kSupportedInterfaces[r.twin_row];
        EXPECT_TRUE(twin.has_twin) << row;
        EXPECT_EQ(twin.twin_row, row) << row;
        EXPECT_EQ(twin.role, r.role) << row;
        EXPECT_EQ(controller_for(twin.kind), controller_for(r.kind)) << row;
    }
}

TEST(DeviceTables, EveryPageFindsItsCommandRow) {
    const int expected_rows[kPageCount] = {4, 0, 8, 10};
    for (int page = 0; page < kPageCount; ++page) {
        const auto& o = kDeviceOptions[page];
        EXPECT_EQ(find_interface_row(o.vendor_id, o.product_id, o.kind, o.role),
                  expected_rows[page]);
        EXPECT_EQ(find_device_option(o.vendor_id, o.product_id, o.kind, o.role), page);
    }
    EXPECT_EQ(find_interface_row(0x320F, 0x5012, DeviceKind::Mouse, InterfaceRole::Command), -1);
    EXPECT_EQ(find_device_option(0x320F, 0x5088, DeviceKind::KeyboardReceiver,
                                 InterfaceRole::Command),
              -1);
}

TEST(DeviceTables, ReceiverRowsAnswerToTheirCableTwin) {
    EXPECT_EQ(identity_row(2), 0);  // keyboard receiver -> cabled keyboard
    EXPECT_EQ(identity_row(6), 4);  // mouse receiver -> cabled mouse
    EXPECT_EQ(identity_row(0), 0);
    EXPECT_EQ(identity_row(8), 8);
    EXPECT_EQ(identity_row(11), -1);
    EXPECT_EQ(controller_for(DeviceKind::KeyboardReceiver), ControllerKind::Keyboard);
    EXPECT_EQ(controller_for(DeviceKind::MouseReceiver), ControllerKind::Mouse);
    EXPECT_EQ(controller_for(DeviceKind::Headset), ControllerKind::Headset);
}

OpenedIdentity opened(uint16_t vid, uint16_t pid, uint16_t page, uint16_t usage) {
    return {vid, pid, page, usage};
}

TEST(SlotTable, PathWithoutCollectionMatchesOnlyTheHeadset) {
    SlotTable slots;
    EXPECT_TRUE(slots.pre_match({0x0C76, 0x1630, 3, 0}));
    EXPECT_FALSE(slots.pre_match({0x320F, 0x5012, 1, 0}));
    const auto match = slots.claim("h#vid_0c76&pid_1630&mi_03", {0x0C76, 0x1630, 3, 0},
                                   opened(0x0C76, 0x1630, 0x000C, 0x01));
    ASSERT_TRUE(match);
    EXPECT_EQ(match->slot, 10);
    EXPECT_EQ(match->kind, DeviceKind::Headset);
}

TEST(SlotTable, SecondIdenticalKeyboardFindsNoFreeSlot) {
    SlotTable slots;
    const PathIdentity id{0x320F, 0x5012, 1, 4};
    const auto usage = opened(0x320F, 0x5012, 0xFF1C, 0x92);
    ASSERT_EQ(slots.claim("first", id, usage)->slot, 0);
    EXPECT_FALSE(slots.pre_match(id));
    EXPECT_FALSE(slots.claim("second", id, usage));
    EXPECT_EQ(why_unmatched(slots, id, usage), "its slot is taken by an identical device");
    slots.release(0);
    EXPECT_TRUE(slots.pre_match(id));
    EXPECT_EQ(slots.claim("second", id, usage)->slot, 0);
    EXPECT_EQ(slots.slot(0).path, "second");
}

TEST(SlotTable, MouseCommandInterfaceNeedsItsOwnUsagePage) {
    SlotTable slots;
    const PathIdentity id{0x12D1, 0x10D4, 2, 4};
    EXPECT_FALSE(slots.claim("p", id, opened(0x12D1, 0x10D4, 0xFF1C, 0x92)));
    EXPECT_NE(why_unmatched(slots, id, opened(0x12D1, 0x10D4, 0xFF1C, 0x92)), "");
    const auto match = slots.claim("p", id, opened(0x12D1, 0x10D4, 0xFF01, 0x00));
    ASSERT_TRUE(match);
    EXPECT_EQ(match->slot, 4);
    EXPECT_EQ(match->role, InterfaceRole::Command);
}

TEST(SlotTable, FullMatchTakesVendorAndProductFromTheOpenedDevice) {
    SlotTable slots;
    // The path claims the keyboard, the device says it is something else.
    EXPECT_FALSE(slots.claim("p", {0x320F, 0x5012, 1, 4}, opened(0x1234, 0x5012, 0xFF1C, 0x92)));
    EXPECT_FALSE(slots.occupied(0));
}

TEST(SlotTable, FreeOnlyWithoutFlagAndPath) {
    SlotTable slots;
    EXPECT_TRUE(slots.any_free());
    for (int row = 0; row < kSlotCount; ++row) {
        const auto& r = kSupportedInterfaces[row];
        const PathIdentity id{r.vendor_id, r.product_id, r.interface_number, r.collection_number};
        ASSERT_TRUE(slots.claim("p" + std::to_string(row), id,
                                opened(r.vendor_id, r.product_id, r.usage_page, r.usage)))
            << row;
    }
    EXPECT_FALSE(slots.any_free());
    slots.release(5);
    EXPECT_TRUE(slots.any_free());
    EXPECT_TRUE(slots.slot(5).path.empty());
    slots.release(-1);
    slots.release(kSlotCount);  // out of range: ignored
}

}  // namespace
}  // namespace ilmo::device
