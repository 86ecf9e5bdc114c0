#pragma once
// The constants every lighting effect draws from: brightness bytes, the colour spectrum, the
// two breathing curves, blink half-periods, the four-colour set, and the step rule.
//
// Levels and indexes often come straight from a device or a file, so every lookup here
// clamps or wraps them: no byte from outside can index past a table.

#include <array>
#include <cstddef>
#include <cstdint>

#include "device/LightingTypes.h"

namespace ilmo::lighting {

inline constexpr int kLevelCount = 5;          // brightness and speed levels 0-4
inline constexpr int kSpectrumSize = 192;      // colours before the spectrum repeats
inline constexpr int kBreathingSteps = 128;    // steps of the breathing curve
inline constexpr int kPadBreathingSteps = 96;  // steps of the pad's breathing curve
inline constexpr int kBlinkUnitMs = 200;       // blink half-periods count in these
inline constexpr int kFourColorCount = 4;

inline constexpr std::array<uint8_t, kLevelCount> kBrightnessBytes{0, 80, 135, 195, 255};
inline constexpr std::array<int, kLevelCount> kBlinkHalfPeriodUnits{8, 6, 4, 2, 1};
inline constexpr std::array<device::Rgb, kFourColorCount> kFourColors{
    {{0, 255, 180}, {0, 255, 0}, {255, 255, 255}, {255, 0, 0}}};

// 193 entries: the last repeats the first, so code that looks one colour ahead never wraps.
extern const std::array<device::Rgb, kSpectrumSize + 1> kSpectrum;
extern const std::array<uint8_t, kBreathingSteps> kBreathingCurve;
extern const std::array<uint8_t, kPadBreathingSteps> kPadBreathingCurve;

// A level from a record, clamped into 0-4.
constexpr int clamp_level(int level) {
    return level < 0 ? 0 : (level >= kLevelCount ? kLevelCount - 1 : level);
}
constexpr uint8_t brightness_byte(int level) {
    return kBrightnessBytes[static_cast<size_t>(clamp_level(level))];
}
constexpr int blink_half_period_ms(int speed_level) {
    return kBlinkHalfPeriodUnits[static_cast<size_t>(clamp_level(speed_level))] * kBlinkUnitMs;
}

// Any index, wrapped onto the table.
device::Rgb spectrum_color(int index);
uint8_t breathing_factor(int step);
uint8_t pad_breathing_factor(int step);
device::Rgb four_color(int index);

// The step rule of every stepping effect: counting up, step + 1 wraps to 0 at the limit;
// counting down, step − 1 wraps to limit − 1 below 0. A step outside 0..limit−1 (a running
// step left by another effect) restarts at the first step of the direction.
int next_step(int step, int limit, bool up);

// `value` scaled by factor / 256, as brightness bytes combine.
constexpr uint8_t scale_byte(int value, int factor) {
    return static_cast<uint8_t>(value * factor / 256);
}

}  // namespace ilmo::lighting
