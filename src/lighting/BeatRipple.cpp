#include "lighting/BeatRipple.h"

#include <algorithm>

#include "lighting/AudioBands.h"

namespace ilmo::lighting {

int BeatRipple::beat_of(std::span<const int> bands) {
    constexpr int kHeightScale = 600;
    const std::span<const int> used = bands.first(std::min<size_t>(bands.size(), kKeyboardBands));
    // Missing bands count as silent ones: the mean is always over the whole keyboard.
    int64_t sum = int64_t{kHeightScale} * (kKeyboardBands - static_cast<int64_t>(used.size()));
    for (int value : used) sum += band_height_capped(value);
    const int64_t mean = sum / kKeyboardBands;
    return static_cast<int>(kKeyboardBands - mean * kKeyboardBands / kHeightScale);
}

bool BeatRipple::add(std::span<const int> bands) {
    accumulated_ += beat_of(bands);
    if (accumulated_ < kFireAt) return false;
    accumulated_ = 0;
    return true;
}

}  // namespace ilmo::lighting
