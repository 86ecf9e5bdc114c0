#include "mouse/ButtonTable.h"

#include <algorithm>

namespace ilmo::mouse {

namespace {

using keyboard::AssignmentCode;
namespace code_type = keyboard::code_type;

bool present(const SlotMap& slots, size_t button) {
    return slots[button] != kMissingSlot;
}

size_t buttons_listed(const std::vector<profiles::KeyEntry>& buttons) {
    return std::min(buttons.size(), static_cast<size_t>(kLogicalButtons));
}

bool names_kept_macro(AssignmentCode code, size_t macro_count) {
    return keyboard::is_macro_code(code) && code.first < macro_count;
}

// The code as the table stores it: a macro by its place in the image, a macro that is gone
// by the button's factory function.
AssignmentCode stored_code(const profiles::KeyEntry& button, const std::vector<int>& used_macros,
                           size_t macro_count) {
    AssignmentCode code = keyboard::code_of(button.normal);
    if (!keyboard::is_macro_code(code)) return code;
    if (!names_kept_macro(code, macro_count)) return keyboard::code_of(button.factory);
    const auto place = std::find(used_macros.begin(), used_macros.end(), code.first);
    code.first = static_cast<uint8_t>(place - used_macros.begin());
    return code;
}

}  // namespace

const std::array<AssignmentCode, kLogicalButtons> kFactoryButtonCodes{{
    {code_type::kMouseButton, 0x01, 0x00},       // left
    {code_type::kMouseButton, 0x02, 0x00},       // right
    {code_type::kMouseButton, 0x04, 0x00},       // middle
    {code_type::kMouseButton, 0x10, 0x00},       // forward
    {code_type::kMouseButton, 0x08, 0x00},       // back
    {code_type::kDpiStep, 0x01, 0x00},           // DPI up
    {code_type::kDpiStep, 0x02, 0x00},           // DPI down
    {code_type::kDpiStep, 0x03, 0x00},           // DPI cycle
    {code_type::kKeyboardFunction, 0x1B, 0x00},  // keyboard function
    {code_type::kDpiShift, 0x90, 0x01},          // DPI shift
    {code_type::kFireKey, 0x78, 0x02},           // fire key
}};

SlotMap build_slot_map(std::span<const uint8_t> table, int button_count) {
    const int slots_read = static_cast<int>(
        std::min(table.size() / keyboard::kCodeBytes, static_cast<size_t>(kMaxButtonSlots)));
    const int slots = std::clamp(button_count, 0, slots_read);
    SlotMap map;
    for (size_t button = 0; button < map.size(); ++button) {
        map[button] = kMissingSlot;
        for (int slot = 0; slot < slots; ++slot) {
            if (keyboard::table_code(table, static_cast<size_t>(slot)) ==
                kFactoryButtonCodes[button]) {
                map[button] = slot;
                break;
            }
        }
    }
    return map;
}

std::vector<int> used_button_macros(const std::vector<profiles::KeyEntry>& buttons,
                                    const SlotMap& slots, size_t macro_count) {
    std::vector<int> used;
    for (size_t button = 0; button < buttons_listed(buttons); ++button) {
        const AssignmentCode code = keyboard::code_of(buttons[button].normal);
        if (!present(slots, button) || !names_kept_macro(code, macro_count)) continue;
        if (std::find(used.begin(), used.end(), code.first) == used.end())
            used.push_back(code.first);
    }
    return used;
}

ButtonTableImage build_button_table(std::span<const uint8_t> table_read, const SlotMap& slots,
                                    const std::vector<profiles::KeyEntry>& buttons,
                                    size_t macro_count) {
    ButtonTableImage image{{table_read.begin(), table_read.end()},
                           used_button_macros(buttons, slots, macro_count)};
    const size_t slots_held = image.table.size() / keyboard::kCodeBytes;
    for (size_t button = 0; button < buttons_listed(buttons); ++button) {
        // A slot past the table read would write where the mouse keeps no button.
        if (!present(slots, button) || static_cast<size_t>(slots[button]) >= slots_held) continue;
        keyboard::set_table_code(image.table, static_cast<size_t>(slots[button]),
                                 stored_code(buttons[button], image.used_macros, macro_count));
    }
    return image;
}

}  // namespace ilmo::mouse
