#include "keyboard/DeviceEvents.h"

namespace ilmo::keyboard {

namespace {

constexpr uint16_t kResync = 0x0401;
constexpr uint16_t kResyncAfterChange = 0x0402;
constexpr uint16_t kKeepAlive = 0x0404;
constexpr uint8_t kKeyDownGroup = 0x05;
constexpr uint8_t kKeyUpGroup = 0x06;
constexpr uint8_t kProfileGroup = 0x10;
constexpr uint8_t kProfileAndSecondaryGroup = 0x11;

using Kind = KeyboardEvent::Kind;

// Codes whose high byte names the event and whose low byte carries its value.
KeyboardEvent decode_grouped(uint8_t group, uint8_t value, bool cable_reader) {
    switch (group) {
        case kKeyDownGroup:
            return cable_reader ? KeyboardEvent{.kind = Kind::KeyDown, .position = value}
                                : KeyboardEvent{};
        case kKeyUpGroup:
            return cable_reader ? KeyboardEvent{.kind = Kind::KeyUp, .position = value}
                                : KeyboardEvent{};
        case kProfileGroup:
            return {.kind = Kind::ProfileSwitch, .profile = value & 0x0F};
        case kProfileAndSecondaryGroup:
            return {.kind = Kind::ProfileSwitch, .profile = value & 0x0F, .secondary = value >> 4};
        default:
            return {};
    }
}

}  // namespace

KeyboardEvent decode_keyboard_event(uint16_t code, bool cable_reader) {
    switch (code) {
        case kResync:
            return {.kind = Kind::Resync};
        case kResyncAfterChange:
            return {.kind = Kind::ResyncAfterChange};
        case kKeepAlive:
            return cable_reader ? KeyboardEvent{.kind = Kind::KeepAlive} : KeyboardEvent{};
        default:
            return decode_grouped(static_cast<uint8_t>(code >> 8), static_cast<uint8_t>(code),
                                  cable_reader);
    }
}

PadEvent decode_pad_event(uint16_t code) {
    switch (code) {
        case kResync:
            return PadEvent::Refresh;
        case kKeepAlive:
            return PadEvent::KeepAlive;
        default:
            return PadEvent::None;
    }
}

}  // namespace ilmo::keyboard
