#pragma once
// The lists the key assignment panel offers, and the names keys are captioned with. Each
// entry pairs a code with its display key (a language key); the display index is the
// entry's place in its list, which is how the panel's combos number their items.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "keyboard/AssignmentCode.h"

namespace ilmo::keyboard {

struct CodeEntry {
    uint16_t display_index = 0;
    AssignmentCode code;
    std::string_view display_key;
};

struct KeyboardKeyEntry {
    CodeEntry entry;
    // The Windows virtual-key code of the key (the US layout's for the punctuation keys);
    // 0 for the keys that have none (power, wake up, M keys, Fn, GM).
    uint8_t virtual_key = 0;
};

// Keyboard keys (142 entries): modifiers, letters, digits, the other keys of a full
// keyboard, consumer and system keys, M1-M5, Fn and GM.
std::span<const KeyboardKeyEntry> keyboard_key_table();

enum class CodeTable {
    MediaWeb,              // 18 consumer codes
    System,                // 3: power, sleep, wake up
    OfficeShortcuts,       // 9 codes of type 0x22
    ShortcutCombinations,  // 11 keyboard keys with right Ctrl, named after the shortcut
    MouseFunctions,        // 35: mouse buttons, fire, DPI, show window, the Fn functions
    MouseButtons,          // 5
    Dpi,                   // 3
};
std::span<const CodeEntry> code_table(CodeTable table);

// The keyboard functions (type 0xA0) by number; the display key is empty for a function
// that has none (0x24, the factory function of page key 17).
struct KeyboardFunction {
    uint8_t number = 0;
    std::string_view display_key;
};
std::span<const KeyboardFunction> keyboard_functions();

// The display key a key bound to `code` is captioned with on the keyboard page; nullopt when
// it gets no name from these lists. Macro codes get none: the page shows the macro's name.
// A code plain-typed 0x00 reads as the keyboard key 0x20. Where a code is in several lists
// the first of these wins:
//   1. shortcut combinations (right Ctrl + C shows as the copy shortcut, not as a key);
//   2. keyboard keys (so consumer and system codes show as key names, "keyboard_key_..");
//   3. media and web, system, office shortcuts;
//   4. keyboard functions (0xA0 0x1B is "keyboard_key_GM" here, whatever the mouse calls it);
//   5. mouse functions, for codes that are not keyboard keys (mouse buttons by the mouse
//      function list's names, DPI, fire key, DPI shift, show window).
std::optional<std::string_view> caption_key(AssignmentCode code);

}  // namespace ilmo::keyboard
