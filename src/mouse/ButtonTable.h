#pragma once
// The mouse's button table: one 3-byte function code per physical button slot, as many
// slots as the information record's button count (at most 170, which fill 512 bytes). The
// page knows 11 logical buttons and finds each in the table read at start by its factory
// code; a button whose code no slot holds is one this mouse does not have (slot 170) and is
// never written. Pure functions.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "keyboard/AssignmentCode.h"
#include "profiles/KeyListSection.h"

namespace ilmo::mouse {

inline constexpr int kLogicalButtons = 11;
inline constexpr size_t kButtonImageBytes = 512;
inline constexpr int kMaxButtonSlots = static_cast<int>(kButtonImageBytes / 3);  // 170
inline constexpr int kMissingSlot = 170;

// The factory code of each logical button: left, right, middle, forward, back, DPI up,
// DPI down, DPI cycle, a keyboard function, DPI shift, fire key. On the wire button bits are
// 0x01 left, 0x02 right, 0x04 middle.
extern const std::array<keyboard::AssignmentCode, kLogicalButtons> kFactoryButtonCodes;

using SlotMap = std::array<int, kLogicalButtons>;

// For each logical button the first slot of the first `button_count` whose code is its
// factory code, else kMissingSlot. `table` holds at least button_count × 3 bytes.
SlotMap build_slot_map(std::span<const uint8_t> table, int button_count);

// Macro numbers the buttons use, in button order, each once; only numbers below
// `macro_count` count, and only buttons the mouse has.
std::vector<int> used_button_macros(const std::vector<profiles::KeyEntry>& buttons,
                                    const SlotMap& slots, size_t macro_count);

struct ButtonTableImage {
    std::vector<uint8_t> table;    // the table to write, as long as the one read
    std::vector<int> used_macros;  // as used_button_macros gives it
};

// The table read from the mouse with each present logical button's normal assignment in its
// slot. A macro code names its macro's place in used_macros; a number at or past
// `macro_count` (a macro that is gone) falls back to the button's "DefaultAssignment".
// Entry j of `buttons` is logical button j; buttons past the list keep their slot.
ButtonTableImage build_button_table(std::span<const uint8_t> table_read, const SlotMap& slots,
                                    const std::vector<profiles::KeyEntry>& buttons,
                                    size_t macro_count);

}  // namespace ilmo::mouse
