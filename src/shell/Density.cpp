#include "shell/Density.h"

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

}  // namespace ilmo::shell
