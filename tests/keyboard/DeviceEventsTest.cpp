#include <gtest/gtest.h>

#include <vector>

#include "device/HidEventCode.h"
#include "keyboard/DeviceEvents.h"

namespace ilmo::keyboard {
namespace {

using Kind = KeyboardEvent::Kind;

TEST(KeyboardEvents, CableReaderCodes) {
    EXPECT_EQ(decode_keyboard_event(0x0401, true).kind, Kind::Resync);
    EXPECT_EQ(decode_keyboard_event(0x0402, true).kind, Kind::ResyncAfterChange);
    EXPECT_EQ(decode_keyboard_event(0x0404, true).kind, Kind::KeepAlive);
    EXPECT_EQ(decode_keyboard_event(0x0512, true),
              (KeyboardEvent{.kind = Kind::KeyDown, .position = 0x12}));
    EXPECT_EQ(decode_keyboard_event(0x0605, true),
              (KeyboardEvent{.kind = Kind::KeyUp, .position = 5}));
    EXPECT_EQ(decode_keyboard_event(0x10F2, true),
              (KeyboardEvent{.kind = Kind::ProfileSwitch, .profile = 2}));
    EXPECT_EQ(decode_keyboard_event(0x1123, true),
              (KeyboardEvent{.kind = Kind::ProfileSwitch, .profile = 3, .secondary = 2}));
    EXPECT_EQ(decode_keyboard_event(0x11A9, true),
              (KeyboardEvent{.kind = Kind::ProfileSwitch, .profile = 9, .secondary = 10}));
    for (const uint16_t ignored : {0x0000, 0x0400, 0x0403, 0x0700, 0x1205, 0xFFFF}) {
        EXPECT_EQ(decode_keyboard_event(ignored, true), KeyboardEvent{}) << std::hex << ignored;
    }
}

TEST(KeyboardEvents, ReceiverReaderActsOnResyncAndProfileSwitchesOnly) {
    EXPECT_EQ(decode_keyboard_event(0x0401, false).kind, Kind::Resync);
    EXPECT_EQ(decode_keyboard_event(0x0402, false).kind, Kind::ResyncAfterChange);
    EXPECT_EQ(decode_keyboard_event(0x1123, false),
              (KeyboardEvent{.kind = Kind::ProfileSwitch, .profile = 3, .secondary = 2}));
    for (const uint16_t ignored : {0x0404, 0x0512, 0x0605}) {
        EXPECT_EQ(decode_keyboard_event(ignored, false), KeyboardEvent{}) << std::hex << ignored;
    }
}

TEST(PadEvents, RefreshAndKeepAliveOnly) {
    EXPECT_EQ(decode_pad_event(0x0401), PadEvent::Refresh);
    EXPECT_EQ(decode_pad_event(0x0404), PadEvent::KeepAlive);
    for (const uint16_t ignored : {0x0402, 0x0512, 0x1001, 0x1123}) {
        EXPECT_EQ(decode_pad_event(ignored), PadEvent::None) << std::hex << ignored;
    }
}

device::TopLevelCollection collection(const std::vector<uint8_t>& descriptor) {
    return device::parse_report_descriptor(descriptor).value().collections.at(0);
}

// Report 3 of the consumer page: an 8-bit value, then two 16-bit usage arrays.
const std::vector<uint8_t> kEventCollection{
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03,                          // consumer, report 3
    0x09, 0xE0, 0x15, 0x00, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02,  // a value
    0x19, 0x00, 0x2A, 0xFF, 0x7F, 0x26, 0xFF, 0x7F, 0x75, 0x10,  // usages 0-0x7FFF, 16 bits
    0x95, 0x01, 0x81, 0x00,                                      // an array of one
    0x19, 0x00, 0x2A, 0xFF, 0x7F, 0x81, 0x00,                    // and another
    0xC0};

TEST(EventCode, IsTheFirstUsageOnInTheFirstButtonField) {
    const device::TopLevelCollection events = collection(kEventCollection);
    EXPECT_EQ(device::event_code(events, std::vector<uint8_t>{0x03, 0x7F, 0x23, 0x11, 0x01, 0x04}),
              0x1123);
    // Nothing in the first button field: no event, whatever the second holds.
    EXPECT_EQ(device::event_code(events, std::vector<uint8_t>{0x03, 0x7F, 0x00, 0x00, 0x01, 0x04}),
              0);
    // Another report, or one too short to hold the field.
    EXPECT_EQ(device::event_code(events, std::vector<uint8_t>{0x04, 0x00, 0x23, 0x11, 0x00, 0x00}),
              0);
    EXPECT_EQ(device::event_code(events, std::vector<uint8_t>{0x03, 0x00, 0x23}), 0);
    EXPECT_EQ(device::event_code(events, std::vector<uint8_t>{}), 0);
}

}  // namespace
}  // namespace ilmo::keyboard
