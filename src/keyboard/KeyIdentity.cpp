#include "keyboard/KeyIdentity.h"

#include <iterator>

namespace ilmo::keyboard {

namespace {

constexpr AssignmentCode key(uint8_t usage) {
    return keyboard_key(usage);
}
constexpr AssignmentCode modifier(uint8_t bit) {
    return modifier_key(bit);
}
constexpr AssignmentCode function(uint8_t number) {
    return keyboard_function(number);
}

// Row by row as the page lays the keys out; kNoKey marks the gaps.
constexpr AssignmentCode kIdentities[] = {
    // 0-17: Esc, F1-F12, Print Screen, Scroll Lock, Pause, GM, 0xA0 0x24
    key(0x29), key(0x3A), key(0x3B), key(0x3C), key(0x3D), key(0x3E), key(0x3F), key(0x40),
    key(0x41), key(0x42), key(0x43), key(0x44), key(0x45), key(0x46), key(0x47), key(0x48),
    function(0x1B), function(0x24),
    // 18-41: gaps, `, 1-0, -, =, Backspace, Insert, Home, Page Up, Num Lock, Num / * -
    kNoKey, kNoKey, kNoKey, key(0x35), key(0x1E), key(0x1F), key(0x20), key(0x21), key(0x22),
    key(0x23), key(0x24), key(0x25), key(0x26), key(0x27), key(0x2D), key(0x2E), key(0x2A),
    key(0x49), key(0x4A), key(0x4B), key(0x53), key(0x54), key(0x55), key(0x56),
    // 42-62: Tab, Q-P, [, ], \, Delete, End, Page Down, Num 7-9, non-US #
    key(0x2B), key(0x14), key(0x1A), key(0x08), key(0x15), key(0x17), key(0x1C), key(0x18),
    key(0x0C), key(0x12), key(0x13), key(0x2F), key(0x30), key(0x31), key(0x4C), key(0x4D),
    key(0x4E), key(0x5F), key(0x60), key(0x61), key(0x32),
    // 63-83: Caps Lock, A-L, ;, ', Enter, Num 4-6, Japanese and Korean keys
    key(0x39), key(0x04), key(0x16), key(0x07), key(0x09), key(0x0A), key(0x0B), key(0x0D),
    key(0x0E), key(0x0F), key(0x33), key(0x34), key(0x28), key(0x5C), key(0x5D), key(0x5E),
    key(0x8A), key(0x8B), key(0x90), key(0x91), key(0x88),
    // 84-103: left Shift, Z-M, comma, ., /, right Shift, Up, Num 1-3, international keys
    modifier(0x02), key(0x1D), key(0x1B), key(0x06), key(0x19), key(0x05), key(0x11), key(0x10),
    key(0x36), key(0x37), key(0x38), modifier(0x20), key(0x52), key(0x59), key(0x5A), key(0x5B),
    key(0x87), key(0x89), key(0x64), key(0x85),
    // 104-125: gap, left Ctrl, left Win, left Alt, Space, right Alt, Fn, Menu, right Ctrl,
    // Left, Down, Right, Num 0, Num ., Num Enter, Num +, M1-M5, right Win
    kNoKey, modifier(0x01), modifier(0x08), modifier(0x04), key(0x2C), modifier(0x40),
    function(0x01), key(0x65), modifier(0x10), key(0x50), key(0x51), key(0x4F), key(0x62),
    key(0x63), key(0x58), key(0x57), m_key(1), m_key(2), m_key(3), m_key(4), m_key(5),
    modifier(0x80)};
static_assert(std::size(kIdentities) == kPageKeys);

}  // namespace

AssignmentCode key_identity(int key_index) {
    if (key_index < 0 || key_index >= kPageKeys) return kNoKey;
    return kIdentities[key_index];
}

}  // namespace ilmo::keyboard
