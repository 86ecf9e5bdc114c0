#pragma once
// The headset's lighting frame: 13 lights, each component scaled by the light's alpha and
// limited to 247, sent as twelve 17-byte output reports (red, green, blue planes; lights 0-6
// and 7-12; sides 0x22 and 0x44).

#include <array>
#include <cstdint>
#include <span>

#include "device/LightingTypes.h"

namespace ilmo::headset {

inline constexpr int kHeadsetLights = 13;
inline constexpr int kFrameReports = 12;
inline constexpr int kFrameReportBytes = 17;
inline constexpr uint8_t kFrameLimit = 247;

using FrameReport = std::array<uint8_t, kFrameReportBytes>;
using LightFrame = std::array<FrameReport, kFrameReports>;

// Lights past `lights.size()` are dark; lights past the 13th are ignored.
LightFrame encode_light_frame(std::span<const device::ColorRecord> lights);

}  // namespace ilmo::headset
