#include "audio/EqPresets.h"

#include <array>

namespace ilmo::audio {

namespace {

constexpr std::array<profiles::EqBands, kEqPresetCount> kPresets{{
    {7, 11, 2, -3, -1, 4, 9, 12, 9, 5},
    {7, 11, 6, -3, -11, -1, 6, 13, 6, 13},
    {10, 4, 0, -3, -4, -3, -2, -1, 0, 0},
    {2, 1, -2, -3, -5, -7, 0, 4, 9, 8},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {7, 14, -13, -6, -1, 8, 13, 7, 2, 6},
    {14, 10, 4, 0, -4, -3, -1, 1, 2, 3},
    {2, 1, -2, -3, -5, -1, 7, 11, 15, 13},
    {8, 2, -4, -8, 1, 3, 8, 11, 14, 16},
    {-3, 4, 10, 0, -11, 3, 9, 13, 6, 0},
    {18, 14, 8, 2, -3, -6, -1, 2, 5, 6},
    {2, 1, -2, -4, -8, 4, 12, 16, 18, 15},
}};

constexpr std::array<const wchar_t*, profiles::kEqBandCount> kSliderProperties{
    L"EQ_Slider1", L"EQ_Slider2", L"EQ_Slider3", L"EQ_Slider4", L"EQ_Slider5",
    L"EQ_Slider6", L"EQ_Slider7", L"EQ_Slider8", L"EQ_Slider9", L"EQ_Slider10"};

}  // namespace

std::optional<profiles::EqBands> eq_preset(int preset) {
    if (preset < 1 || preset > kEqPresetCount) return std::nullopt;
    return kPresets[static_cast<size_t>(preset - 1)];
}

const wchar_t* eq_slider_property(int band) {
    return kSliderProperties[static_cast<size_t>(band)];
}

}  // namespace ilmo::audio
