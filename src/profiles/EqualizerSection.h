#pragma once
// The headset's equaliser curves: the band values last applied per preset
// ("EQHzValueInfo"[p][b]."value"), the user's curves ("CustomEQHzValueInfo", same shape) and
// their names ("CustomEQNameInfo"[p]."Name").

#include <json/value.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ilmo::profiles {

constexpr int kEqBandCount = 10;
// Presets 0-13 and the user's curves 0-19; anything above is none the document holds.
constexpr int kEqLastPreset = 13;
constexpr int kEqLastCustomCurve = 19;

// A band's value in dB, as far as the panel's sliders reach; the presets stay well inside.
constexpr int kEqBandLowest = -20;
constexpr int kEqBandHighest = 20;

using EqBands = std::array<int, kEqBandCount>;

enum class EqCurves { Presets, Custom };  // "EQHzValueInfo", "CustomEQHzValueInfo"

// The ten bands of preset p; nothing (and no change) for p outside 0-13 (0-19 for the user's
// curves). A band the document lacks reads as 0 and is created in the section with "value" 0.
std::optional<EqBands> read_eq_curve(Json::Value& section, EqCurves curves, int preset);
// False (and no change) for p outside 0-13 (0-19).
bool write_eq_curve(Json::Value& section, EqCurves curves, int preset, const EqBands& bands);
// The user's curves become exactly these (the first 20), so a deleted curve does not come back.
void encode_custom_eq_curves(Json::Value& section, const std::vector<EqBands>& curves);

// One name per "CustomEQNameInfo" element, in order.
std::vector<std::string> decode_custom_eq_names(const Json::Value& section);
// The list becomes exactly these names, so a deleted curve's name does not come back.
void encode_custom_eq_names(Json::Value& section, const std::vector<std::string>& names);

}  // namespace ilmo::profiles
