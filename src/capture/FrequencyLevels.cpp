#include "capture/FrequencyLevels.h"

#include <algorithm>
#include <cmath>

#include "capture/Fft.h"

namespace ilmo::capture {

void transform_input(const SampleBlock& block,
                     std::span<std::complex<double>, kBlockValues> values) {
    // The offset only moves bin 0, which no level uses; it is kept so the transform sees
    // the same numbers as the levels were calibrated with.
    std::transform(block.begin(), block.end(), values.begin(),
                   [](int16_t sample) { return std::complex<double>(sample - 32768.0, 0.0); });
}

FrequencyLevels frequency_levels(const SampleBlock& block) {
    std::array<std::complex<double>, kBlockValues> values;
    transform_input(block, values);
    fft_in_place(values);
    return levels_from_bins(values);
}

FrequencyLevels levels_from_bins(std::span<const std::complex<double>> bins) {
    FrequencyLevels levels{};
    for (int bin = 1; bin < kLevelCount; ++bin) {
        const double power = std::norm(bins[static_cast<size_t>(bin)]) / kBlockValues;
        // Compared as a double first: a full-scale tone would overflow the integer.
        const double level = std::floor(std::sqrt(power));
        levels[static_cast<size_t>(bin)] =
            level >= kLevelLimit ? kLevelLimit : static_cast<int32_t>(level);
    }
    return levels;
}

bool is_silent(const SampleBlock& block) {
    return std::all_of(block.begin(), block.end(), [](int16_t sample) { return sample == 0; });
}

CopyData levels_notice(const FrequencyLevels& levels) {
    CopyData notice{kLevelsNotice, kLevelsBytes, {}};
    notice.bytes.reserve(kLevelsBytes);
    for (const int32_t level : levels) {
        const auto bits = static_cast<uint32_t>(level);
        for (int shift = 0; shift < 32; shift += 8) {
            notice.bytes.push_back(static_cast<uint8_t>(bits >> shift));
        }
    }
    return notice;
}

}  // namespace ilmo::capture
