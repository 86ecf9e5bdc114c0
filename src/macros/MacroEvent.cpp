#include "macros/MacroEvent.h"

#include <algorithm>

#include "macros/DecimalText.h"
#include "profiles/SectionFields.h"
#include "profiles/Utf8.h"

namespace ilmo::macros {

using profiles::int_member;
using profiles::member;
using profiles::string_member;
using profiles::to_valid_utf8;

namespace {

int clamp_delay_ms(long long ms) {
    return static_cast<int>(std::clamp<long long>(ms, 0, kMaxDelayMs));
}

}  // namespace

int parse_delay_ms(std::string_view text) {
    return parse_decimal_clamped(text, kMaxDelayMs);
}

int decode_delay_ms(const Json::Value& delay) {
    if (delay.isString()) return parse_delay_ms(delay.asString());
    if (!delay.isNumeric()) return 0;
    // Through double so that any number, a fraction or one beyond 64 bits, clamps safely.
    const double ms = delay.asDouble();
    if (!(ms > 0)) return 0;
    return ms >= kMaxDelayMs ? kMaxDelayMs : static_cast<int>(ms);
}

std::optional<MacroEvent> decode_macro_event(const Json::Value& value) {
    if (!value.isObject()) return std::nullopt;
    return MacroEvent{to_valid_utf8(string_member(value, "Action")), int_member(value, "Type"),
                      int_member(value, "Button"), decode_delay_ms(member(value, "Delay"))};
}

Json::Value encode_macro_event(const MacroEvent& event, DelayForm form) {
    const int delay_ms = clamp_delay_ms(event.delay_ms);
    Json::Value object(Json::objectValue);
    object["Action"] = event.action;
    object["Type"] = event.type;
    object["Button"] = event.button;
    object["Delay"] = form == DelayForm::DecimalText ? Json::Value(std::to_string(delay_ms))
                                                     : Json::Value(delay_ms);
    return object;
}

}  // namespace ilmo::macros
