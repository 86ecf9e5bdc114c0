#pragma once
// The equaliser's twelve built-in presets.

#include <optional>

#include "profiles/EqualizerSection.h"

namespace ilmo::audio {

inline constexpr int kEqPresetCount = 12;

// Bands of preset 1-12; nothing for any other number.
std::optional<profiles::EqBands> eq_preset(int preset);

// "EQ_Slider1" ... "EQ_Slider10" for band 0-9.
const wchar_t* eq_slider_property(int band);

}  // namespace ilmo::audio
