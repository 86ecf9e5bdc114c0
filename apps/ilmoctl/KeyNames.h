#pragma once
// Keys and key functions as the command line names them. A page key by its index or by the
// display key of its factory code ("keyboard_key_Esc", or just "Esc"); a function by a
// display key of the lists the key panel offers, by the key's default, as a macro, or as
// its three-byte code. A mouse button's function is named the same way, its panel adding the
// mouse function list.

#include <optional>
#include <string>
#include <string_view>

#include "keyboard/AssignmentCode.h"

namespace ilmo::ctl {

// Page key 0-125 by index or by name, case ignored.
std::optional<int> parse_key(std::string_view text);
// The display key of page key `index`; empty for the keys that have none (the gaps of the
// layout and key 17, whose factory function has no name).
std::string_view key_name(int index);

struct FunctionChoice {
    bool factory = false;  // "default": whatever the key does out of the factory
    keyboard::AssignmentCode code;
};

// Which panel's lists name the functions: a mouse button's also offers the mouse function
// list (DPI up, down, cycle and shift, fire key, show window).
enum class FunctionLists { Keyboard, Mouse };

// In this order: "default"; "macro:N" or "macro:N:MODE" (macro N of the macro list, repeat
// mode 0-3, 0 when left out); "0xTTFFSS"; a display key, case ignored, looked up in the
// keyboard keys, media and web, system, shortcut combination and mouse button lists and the
// keyboard functions (then, for the mouse, the mouse functions), the first list holding it
// winning; the same with "keyboard_key_" put in front ("F5").
std::optional<FunctionChoice> parse_function(std::string_view text,
                                             FunctionLists lists = FunctionLists::Keyboard);
// A code as parse_function takes it back: its display key where that names this very code,
// "macro:N:MODE" for a macro with a repeat mode, "0xttffss" otherwise.
std::string format_function(keyboard::AssignmentCode code,
                            FunctionLists lists = FunctionLists::Keyboard);

struct ResolvedFunction {
    keyboard::AssignmentCode code;
    std::string error;  // a usage error: the macro list has no such macro
};
// The code `choice` stands for on a key or button whose factory function is `factory`. A
// macro must be one of the `macro_count` macros of the macro list.
ResolvedFunction resolve_function(const FunctionChoice& choice, keyboard::AssignmentCode factory,
                                  size_t macro_count);

}  // namespace ilmo::ctl
