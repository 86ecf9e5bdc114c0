#include "mouse/PointerSettings.h"

#include <algorithm>
#include <limits>

#include "mouse/SettingsBlock.h"

namespace ilmo::mouse {

namespace {

using profiles::high_half;
using profiles::join_halves;
using profiles::low_half;

enum Word : size_t { kClickAndSpeed = 0, kPrecisionAndPage = 1, kWheelAndRate = 2 };

// A value past 16 bits is stored as the largest the half holds, never wrapped to a small one.
uint16_t half_of(int value) {
    return static_cast<uint16_t>(std::clamp(value, 0, int{std::numeric_limits<uint16_t>::max()}));
}

}  // namespace

PointerSettings pointer_settings_of(const profiles::SystemWords& words) {
    return {low_half(words[kClickAndSpeed]), high_half(words[kClickAndSpeed]),
            low_half(words[kPrecisionAndPage]) != 0, high_half(words[kPrecisionAndPage]) != 0,
            low_half(words[kWheelAndRate])};
}

profiles::SystemWords with_pointer_settings(profiles::SystemWords words,
                                            const PointerSettings& settings) {
    words[kClickAndSpeed] =
        join_halves(half_of(settings.double_click_ms), half_of(settings.pointer_speed));
    words[kPrecisionAndPage] =
        join_halves(settings.pointer_precision ? 1 : 0, settings.scroll_by_page ? 1 : 0);
    words[kWheelAndRate] =
        join_halves(half_of(settings.wheel_lines), high_half(words[kWheelAndRate]));
    return words;
}

int polling_rate_of(const profiles::SystemWords& words) {
    const int rate = high_half(words[kWheelAndRate]);
    return rate < kPollingRates ? rate : 0;
}

profiles::SystemWords with_polling_rate(profiles::SystemWords words, int polling_rate) {
    const int rate = polling_rate >= 0 && polling_rate < kPollingRates ? polling_rate : 0;
    words[kWheelAndRate] = join_halves(low_half(words[kWheelAndRate]), half_of(rate));
    return words;
}

}  // namespace ilmo::mouse
