#pragma once
// The mouse's 11 logical buttons as the command line names them: by index 0-10, by a name
// of their own (left, right, middle, forward, back, dpi-up, dpi-down, dpi-cycle, gm,
// dpi-shift, fire), or by the display key of the button's factory function
// ("mouse_key_DPI_add").

#include <optional>
#include <string_view>

namespace ilmo::ctl {

// Case ignored.
std::optional<int> parse_button(std::string_view text);
// "left" ... "fire"; empty outside 0-10.
std::string_view button_name(int button);

}  // namespace ilmo::ctl
