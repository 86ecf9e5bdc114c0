#pragma once
// System settings held as three 32-bit words of two 16-bit halves each, the form in which
// the device code keeps them. The keyboard and the mouse store different values in them.
//
// Keyboard "SystemStages": word 0 = Repeat | RepeatDelay << 16, word 1 = Key6Flag |
// PollingRate << 16, word 2 = WFlag | WinFlag << 16.
// Mouse: word 0 = DoubleClickTime | MouseSpeed << 16, word 1 = PointerPrecision |
// ScorllPage << 16, word 2 = WheelScorlllinse | "ReportStages"."StageActive" << 16 (the
// polling-rate index).

#include <json/value.h>

#include <array>
#include <cstdint>

namespace ilmo::profiles {

using SystemWords = std::array<uint32_t, 3>;

constexpr uint16_t low_half(uint32_t word) {
    return static_cast<uint16_t>(word);
}
constexpr uint16_t high_half(uint32_t word) {
    return static_cast<uint16_t>(word >> 16);
}
constexpr uint32_t join_halves(uint16_t low, uint16_t high) {
    return static_cast<uint32_t>(low) | static_cast<uint32_t>(high) << 16;
}

// All zero when the section has no "SystemStages".
SystemWords decode_keyboard_system_stages(const Json::Value& section);
void encode_keyboard_system_stages(Json::Value& section, const SystemWords& words);

// "FnKeysetFlag": whether the Fn layer is the one being edited. Stored as a JSON boolean.
bool decode_fn_keyset_flag(const Json::Value& section);
void encode_fn_keyset_flag(Json::Value& section, bool editing_fn_layer);

// All zero when the section has no "SystemStages"; "ReportStages" counts only beside it.
SystemWords decode_mouse_system_stages(const Json::Value& section);
void encode_mouse_system_stages(Json::Value& section, const SystemWords& words);

}  // namespace ilmo::profiles
