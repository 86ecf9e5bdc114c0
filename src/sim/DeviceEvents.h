#pragma once
// What the devices report by themselves: the 16-bit codes they send on their consumer event
// collection, and the keyboard's ordinary key report. Pure functions.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ilmo::sim {

namespace event_code {
inline constexpr uint16_t kResync = 0x0401;             // the device asks the host to read it again
inline constexpr uint16_t kResyncAfterChange = 0x0402;  // the same, after its own settings changed
inline constexpr uint16_t kReactiveFlash = 0x0403;    // the mouse: a button went down in reactive mode
inline constexpr uint16_t kKeepAlive = 0x0404;
}  // namespace event_code

// An on-board profile switch (0x10, low nibble the profile).
uint16_t profile_switch_code(int profile);
// The mouse's profile and current DPI stage together (0x11, stage in bits 4-7).
uint16_t profile_and_stage_code(int profile, int stage);
// A key of the keyboard's key table going down (0x05) or up (0x06), by position.
uint16_t key_code(int position, bool down);

// The report of the keyboard's full key collection (id 1: modifier bits, then one bit per
// usage 0x00-0x77) while the key whose 3-byte function code is `code` is held down, or with
// nothing held. Empty when the code is no keyboard key, or names a usage the report cannot
// carry.
std::vector<uint8_t> keyboard_report(const std::array<uint8_t, 3>& code, bool down);

}  // namespace ilmo::sim
