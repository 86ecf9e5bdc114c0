#pragma once
// The function of one key or mouse button: three bytes, type, first value, second value.
// Keyboards and mice share the codes; profiles store them packed into one integer
// (type × 65536 + first × 256 + second, see profiles::AssignmentGroup).

#include <cstddef>
#include <cstdint>
#include <span>

namespace ilmo::profiles {
struct AssignmentGroup;
}

namespace ilmo::keyboard {

struct AssignmentCode {
    uint8_t type = 0;
    uint8_t first = 0;
    uint8_t second = 0;

    bool operator==(const AssignmentCode&) const = default;
};

// The type byte, with what the first and second values hold.
namespace code_type {
// Both mean a keyboard key: modifier bits (0x01 left Ctrl ... 0x80 right Windows), HID usage.
inline constexpr uint8_t kKeyboardKeyPlain = 0x00;
inline constexpr uint8_t kKeyboardKey = 0x20;
inline constexpr uint8_t kMouseButton = 0x10;       // button bits, 0
inline constexpr uint8_t kMouseSwing = 0x11;        // composed on the key panel
inline constexpr uint8_t kMouseWheel = 0x12;        // composed on the key panel
inline constexpr uint8_t kDpiStep = 0x13;           // 1 up, 2 down, 3 cycle; 0
inline constexpr uint8_t kFireKey = 0x14;           // values: the list 0x50 0x02, a mouse 0x78 0x02
inline constexpr uint8_t kDpiShift = 0x16;          // values: the list 0 0, a mouse 0x90 0x01
inline constexpr uint8_t kOfficeShortcut = 0x22;    // 0, shortcut 0-8
inline constexpr uint8_t kShowWindow = 0x23;        // 0, 0
inline constexpr uint8_t kConsumer = 0x30;          // HID consumer usage, low byte then high
inline constexpr uint8_t kSystem = 0x40;            // 1 power, 2 sleep, 4 wake up; 0
inline constexpr uint8_t kMacroRepeatMode = 0x70;   // macro number, repeat mode 0-3
inline constexpr uint8_t kMacroRepeatCount = 0x71;  // macro number, repeat count
inline constexpr uint8_t kGunKey = 0x72;            // composed on the key panel
inline constexpr uint8_t kKeyboardFunction = 0xA0;  // function number, 0
inline constexpr uint8_t kMKey = 0xD0;              // 0xA2, 1-5 for M1-M5
}  // namespace code_type

// A key that does not exist on a board, and the filler of unused table positions.
inline constexpr AssignmentCode kNoKey{code_type::kKeyboardKey, 0, 0};
// 0 0 0: nothing assigned.
inline constexpr AssignmentCode kNoFunction{0, 0, 0};

constexpr AssignmentCode keyboard_key(uint8_t usage, uint8_t modifiers = 0) {
    return {code_type::kKeyboardKey, modifiers, usage};
}
constexpr AssignmentCode modifier_key(uint8_t modifier_bits) {
    return {code_type::kKeyboardKey, modifier_bits, 0};
}
constexpr AssignmentCode consumer_code(uint16_t usage) {
    return {code_type::kConsumer, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8)};
}
constexpr AssignmentCode keyboard_function(uint8_t number) {
    return {code_type::kKeyboardFunction, number, 0};
}
constexpr AssignmentCode m_key(uint8_t number) {
    return {code_type::kMKey, 0xA2, number};
}

// Codes of both macro types carry the macro's number in the first value.
constexpr bool is_macro_code(AssignmentCode code) {
    return code.type == code_type::kMacroRepeatMode || code.type == code_type::kMacroRepeatCount;
}

// Device tables hold one code per key position, three bytes each. The position must lie in
// the table.
inline constexpr size_t kCodeBytes = 3;
AssignmentCode table_code(std::span<const uint8_t> table, size_t position);
void set_table_code(std::span<uint8_t> table, size_t position, AssignmentCode code);

AssignmentCode code_of(const profiles::AssignmentGroup& group);
profiles::AssignmentGroup group_of(AssignmentCode code, uint16_t key_index);

}  // namespace ilmo::keyboard
