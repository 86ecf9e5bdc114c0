#pragma once
// One block of samples to the 500 frequency levels the window receives: the transform of the
// block, then level = integer part of √(|X|² / 1024) for bins 1 … 499, limited to 8192; bin 0
// (the constant part) stays 0.

#include <array>
#include <complex>
#include <cstdint>
#include <span>

#include "capture/BlockCollector.h"
#include "capture/CaptureWindow.h"

namespace ilmo::capture {

inline constexpr int32_t kLevelLimit = 8192;
using FrequencyLevels = std::array<int32_t, kLevelCount>;

FrequencyLevels frequency_levels(const SampleBlock& block);

// The transform's input for a block: each sample less 32768, as a real value.
void transform_input(const SampleBlock& block,
                     std::span<std::complex<double>, kBlockValues> values);

// The level rule alone, over the transform's first 500 bins (or more).
FrequencyLevels levels_from_bins(std::span<const std::complex<double>> bins);

// Digital silence: nothing to analyse and nothing to tell the window.
bool is_silent(const SampleBlock& block);

// Notice 1 with the levels as 2000 little-endian bytes.
CopyData levels_notice(const FrequencyLevels& levels);

}  // namespace ilmo::capture
