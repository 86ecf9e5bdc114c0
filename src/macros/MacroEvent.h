#pragma once
// One macro event: a key or button press or release, or a relative mouse move, followed by
// a delay. Macro files and weapon files store it as
// {"Action": "down"/"up", "Type": kind, "Button": key/button/distance, "Delay": ms}.

#include <json/value.h>

#include <optional>
#include <string>
#include <string_view>

namespace ilmo::macros {

// "Type" values.
enum class EventKind : int {
    MouseButton = 1,     // "Button": 1 left, 2 right, 4 middle, 8 back, 16 forward
    HorizontalMove = 4,  // "Button": distance; "down" = left, "up" = right
    VerticalMove = 5,    // "Button": distance; "down" = up, "up" = down
    ModifierKey = 9,     // "Button": modifier bit, 1 left Ctrl ... 128 right Win
    OtherKey = 10,       // "Button": HID keyboard usage
};

inline constexpr std::string_view kActionDown = "down";
inline constexpr std::string_view kActionUp = "up";

inline constexpr int kMaxDelayMs = 65535;

struct MacroEvent {
    std::string action;  // "down" or "up"; kept as read, whatever it holds
    int type = 0;        // an EventKind value; other values are kept, not rejected
    int button = 0;
    int delay_ms = 0;

    bool operator==(const MacroEvent&) const = default;
};

// Macro files store the delay as decimal text, weapon files as a JSON integer.
enum class DelayForm { DecimalText, Integer };

// Delay text to milliseconds, as parse_decimal_clamped reads it: the leading number, 0 when
// there is none, clamped to 0..65535.
int parse_delay_ms(std::string_view text);
// A stored "Delay": decimal text as above, or a JSON integer clamped to 0..65535; anything
// else is 0.
int decode_delay_ms(const Json::Value& delay);

// Nullopt when the value is not an object. Members of the wrong type read as "" or 0; the
// action is made valid UTF-8, as the writer would store it.
std::optional<MacroEvent> decode_macro_event(const Json::Value& value);
// An object with exactly the four members; the delay is clamped to 0..65535.
Json::Value encode_macro_event(const MacroEvent& event, DelayForm form);

}  // namespace ilmo::macros
