#include "MouseSettings.h"

#include "mouse/SettingsBlock.h"

namespace ilmo::ctl {

namespace {

// The ranges of the desktop's own pointer controls, which these settings stand for.
constexpr int kLastPointerSpeed = 20;
constexpr int kLastWheelLines = 100;
constexpr int kFirstDoubleClickMs = 200;
constexpr int kLastDoubleClickMs = 900;

constexpr SettingHelp kSettings[] = {
    {"polling-rate", "0-4"},
    {"stage", "0-4"},
    {"pointer-speed", "1-20"},
    {"pointer-precision", "on or off"},
    {"scroll-by-page", "on or off"},
    {"wheel-lines", "1-100"},
    {"double-click", "200-900 (milliseconds)"},
};

}  // namespace

bool MouseSettingsChange::pointer_any() const {
    return pointer_speed || pointer_precision || scroll_by_page || wheel_lines || double_click_ms;
}

std::string_view mouse_setting_values(std::string_view name) {
    return values_of(kSettings, name);
}

SettingTake take_mouse_setting(MouseSettingsChange& change, std::string_view name,
                               std::string_view value) {
    if (name == "polling-rate")
        return taken_if(
            bool(change.polling_rate = parse_number(value, 0, mouse::kPollingRates - 1)));
    if (name == "stage")
        return taken_if(bool(change.stage = parse_number(value, 0, int{mouse::kStageCount} - 1)));
    if (name == "pointer-speed")
        return taken_if(bool(change.pointer_speed = parse_number(value, 1, kLastPointerSpeed)));
    if (name == "pointer-precision")
        return taken_if(bool(change.pointer_precision = parse_switch(value)));
    if (name == "scroll-by-page")
        return taken_if(bool(change.scroll_by_page = parse_switch(value)));
    if (name == "wheel-lines")
        return taken_if(bool(change.wheel_lines = parse_number(value, 1, kLastWheelLines)));
    if (name == "double-click")
        return taken_if(bool(change.double_click_ms =
                                 parse_number(value, kFirstDoubleClickMs, kLastDoubleClickMs)));
    return SettingTake::NotThisKind;
}

mouse::PointerSettings apply_pointer_change(mouse::PointerSettings settings,
                                            const MouseSettingsChange& change) {
    if (change.pointer_speed) settings.pointer_speed = *change.pointer_speed;
    if (change.pointer_precision) settings.pointer_precision = *change.pointer_precision;
    if (change.wheel_lines) {
        settings.wheel_lines = *change.wheel_lines;
        settings.scroll_by_page = false;
    }
    if (change.scroll_by_page) settings.scroll_by_page = *change.scroll_by_page;
    if (change.double_click_ms) settings.double_click_ms = *change.double_click_ms;
    return settings;
}

void add_pointer_fields(FieldGroup& group, const mouse::PointerSettings& settings) {
    group.add("pointer-speed", settings.pointer_speed)
        .add("pointer-precision", settings.pointer_precision)
        .add("scroll-by-page", settings.scroll_by_page)
        .add("wheel-lines", settings.wheel_lines)
        .add("double-click", settings.double_click_ms);
}

}  // namespace ilmo::ctl
