#pragma once
// Pixel density of the windows: chosen from the monitor, limited to the densities the
// layouts are drawn for.

#include <string>
#include <vector>

#include "device/Trace.h"
#include "platform/MonitorSize.h"

namespace ilmo::shell {

constexpr int kBaseDensity = 96;
constexpr int kMainWidth = 1000;  // at 96
constexpr int kMainHeight = 640;

// 144 on a monitor wider than 1500 and taller than 960 pixels, else 96.
int density_for_monitor(int width_px, int height_px);
// 48, 72, 96, 120, 144, 168 or 192 pass; anything else is traced with `error_trace` and
// replaced by 96.
int checked_density(int density, const char* error_trace, const device::TraceSink& trace);
// Scale factor of a density relative to the layouts' 96.
inline double density_scale(int density) { return density / static_cast<double>(kBaseDensity); }
// Each monitor's scale in the form Qt's QT_SCREEN_SCALE_FACTORS takes ("HDMI-1=1.5;eDP-1=1"),
// so that a window is laid out for the monitor that holds it. A name the list cannot carry
// ('=' or ';' in it) is left out, and its monitor stays at 96.
std::string screen_scale_factors(const std::vector<platform::Monitor>& monitors);

}  // namespace ilmo::shell
