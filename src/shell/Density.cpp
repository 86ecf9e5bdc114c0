#include "shell/Density.h"

#include <cstdio>

namespace ilmo::shell {

int density_for_monitor(int width_px, int height_px) {
    return width_px > 1500 && height_px > 960 ? 144 : 96;
}

int checked_density(int density, const char* error_trace, const device::TraceSink& trace) {
    switch (density) {
        case 48:
        case 72:
        case 96:
        case 120:
        case 144:
        case 168:
        case 192: return density;
        default:
            if (trace) trace(error_trace);
            return kBaseDensity;
    }
}

std::string screen_scale_factors(const std::vector<platform::Monitor>& monitors) {
    std::string factors;
    for (const platform::Monitor& monitor : monitors) {
        if (monitor.name.empty() || monitor.name.find_first_of("=;") != std::string::npos) continue;
        char scale[16];
        std::snprintf(scale, sizeof scale, "%g",
                      density_scale(density_for_monitor(monitor.width_px, monitor.height_px)));
        if (!factors.empty()) factors += ';';
        factors += monitor.name + '=' + scale;
    }
    return factors;
}

}  // namespace ilmo::shell
