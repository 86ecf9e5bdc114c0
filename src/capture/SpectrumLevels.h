#pragma once
// One block of samples to the 500 spectrum levels the window receives: the transform of the
// block, then level = integer part of √(|X|² / 1024) for bins 1 … 499, limited to 8192; bin 0
// (the constant part) stays 0.

#include <array>
#include <cstdint>

#include "capture/BlockCollector.h"
#include "capture/CaptureWindow.h"

namespace ilmo::capture {

inline constexpr int32_t kLevelLimit = 8192;
using SpectrumLevels = std::array<int32_t, kLevelCount>;

SpectrumLevels spectrum_levels(const SampleBlock& block);

// Digital silence: nothing to analyse and nothing to tell the window.
bool is_silent(const SampleBlock& block);

// Notice 1 with the levels as 2000 little-endian bytes.
CopyData levels_notice(const SpectrumLevels& levels);

}  // namespace ilmo::capture
