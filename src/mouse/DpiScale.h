#pragma once
// A DPI stage is stored as slider steps, not DPI. The information record gives the lowest
// DPI L (step 0), the DPI per step S and the highest step H; the high-DPI sensor (0x3325)
// moves by 200 DPI a step past step 48. Pure functions.

#include <cstdint>

#include "device/DeviceInformation.h"

namespace ilmo::mouse {

inline constexpr int kHighDpiSensor = 0x3325;
// Past this step the high-DPI sensor moves 200 DPI a step.
inline constexpr int kHighDpiKneeStep = 48;
inline constexpr int kHighDpiStepDpi = 200;

struct DpiScale {
    int lowest_dpi = 0;    // L
    int dpi_step = 0;      // S
    int highest_step = 0;  // H
    bool high_dpi_sensor = false;
    bool operator==(const DpiScale&) const = default;
};

DpiScale dpi_scale_of(const device::DeviceInformation& information);

// The DPI a step shows: L + step × S, and on the high-DPI sensor past step 48
// L + 48 S + (step − 48) × 200. A step outside 0..H (from a file) shows as the nearer end,
// once H is known.
int shown_dpi(const DpiScale& scale, int step);
// The step a typed DPI gives: the exact inverse of shown_dpi, truncating. Below L gives 0,
// S = 0 gives 0, and the result is clamped to 0..H.
int step_of_dpi(const DpiScale& scale, int dpi);
// What the DPI edit accepts: L .. shown_dpi(H).
int lowest_typed_dpi(const DpiScale& scale);
int highest_typed_dpi(const DpiScale& scale);

}  // namespace ilmo::mouse
