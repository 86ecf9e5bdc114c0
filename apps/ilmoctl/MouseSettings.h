#pragma once
// The mouse's settings beyond its lighting on the command line: the polling rate and the
// current DPI stage, which ride in the mouse's settings block, and the pointer settings,
// which only the profile keeps. What "set" takes and how a read shows them.

#include <optional>
#include <string_view>

#include "Reading.h"
#include "SettingValues.h"
#include "mouse/PointerSettings.h"

namespace ilmo::ctl {

struct MouseSettingsChange {
    std::optional<int> polling_rate;
    std::optional<int> stage;
    std::optional<int> pointer_speed;
    std::optional<bool> pointer_precision;
    std::optional<bool> scroll_by_page;
    std::optional<int> wheel_lines;
    std::optional<int> double_click_ms;

    // What goes to the mouse in its settings block.
    bool block_any() const { return polling_rate || stage; }
    bool pointer_any() const;
};

// Takes "polling-rate", "stage", "pointer-speed", "pointer-precision", "scroll-by-page",
// "wheel-lines" or "double-click".
SettingTake take_mouse_setting(MouseSettingsChange& change, std::string_view name,
                               std::string_view value);
// The values a mouse setting takes, for a usage error; empty for other names.
std::string_view mouse_setting_values(std::string_view name);

// `settings` with the change made. Setting the wheel lines switches scrolling by page off,
// as moving the page's scroll slider does, unless the same change sets scroll-by-page.
mouse::PointerSettings apply_pointer_change(mouse::PointerSettings settings,
                                            const MouseSettingsChange& change);

// pointer-speed, pointer-precision, scroll-by-page, wheel-lines, double-click.
void add_pointer_fields(FieldGroup& group, const mouse::PointerSettings& settings);

}  // namespace ilmo::ctl
