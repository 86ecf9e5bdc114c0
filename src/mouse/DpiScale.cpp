#include "mouse/DpiScale.h"

#include <algorithm>

namespace ilmo::mouse {

namespace {

// The DPI at the knee, where the high-DPI sensor changes to its coarse steps.
int knee_dpi(const DpiScale& scale) {
    return scale.lowest_dpi + kHighDpiKneeStep * scale.dpi_step;
}

}  // namespace

DpiScale dpi_scale_of(const device::DeviceInformation& information) {
    return {information.lowest_dpi(), information.dpi_step(), information.highest_dpi_step(),
            information.sensor_id() == kHighDpiSensor};
}

int shown_dpi(const DpiScale& scale, int step) {
    // A step from a file may lie past what the slider reaches; the mouse gets the end.
    if (scale.highest_step > 0) step = std::clamp(step, 0, scale.highest_step);
    if (scale.high_dpi_sensor && step > kHighDpiKneeStep)
        return knee_dpi(scale) + (step - kHighDpiKneeStep) * kHighDpiStepDpi;
    return scale.lowest_dpi + step * scale.dpi_step;
}

int step_of_dpi(const DpiScale& scale, int dpi) {
    if (scale.dpi_step <= 0 || dpi <= scale.lowest_dpi) return 0;
    // Measured from the knee, not from a fixed DPI, so that every shown value maps back to
    // its own step whatever the lowest DPI and step are.
    const int step = scale.high_dpi_sensor && dpi > knee_dpi(scale)
                         ? (dpi - knee_dpi(scale)) / kHighDpiStepDpi + kHighDpiKneeStep
                         : (dpi - scale.lowest_dpi) / scale.dpi_step;
    return std::clamp(step, 0, std::max(scale.highest_step, 0));
}

int lowest_typed_dpi(const DpiScale& scale) {
    return scale.lowest_dpi;
}

int highest_typed_dpi(const DpiScale& scale) {
    return shown_dpi(scale, scale.highest_step);
}

}  // namespace ilmo::mouse
