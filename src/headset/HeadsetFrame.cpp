#include "headset/HeadsetFrame.h"

#include <algorithm>

namespace ilmo::headset {

namespace {

constexpr uint8_t kReportId = 0xFF;
constexpr std::array<uint8_t, 2> kSides{0x22, 0x44};
constexpr int kFirstHalfLights = 7;
constexpr int kValuesAt = 4;

// Part bytes per colour plane (red, green, blue): lights 0-6, lights 7-12.
constexpr std::array<std::array<uint8_t, 2>, 3> kParts{{{0xAA, 0xAD}, {0xAB, 0xAE}, {0xAC, 0xAF}}};

uint8_t component(uint8_t value, uint8_t alpha) {
    return static_cast<uint8_t>(std::min<int>((value * alpha) >> 8, kFrameLimit));
}

}  // namespace

LightFrame encode_light_frame(std::span<const device::ColorRecord> lights) {
    std::array<std::array<uint8_t, kHeadsetLights>, 3> planes{};
    const size_t count = std::min(lights.size(), static_cast<size_t>(kHeadsetLights));
    for (size_t i = 0; i < count; ++i) {
        const device::ColorRecord& light = lights[i];
        planes[0][i] = component(light.red, light.brightness);
        planes[1][i] = component(light.green, light.brightness);
        planes[2][i] = component(light.blue, light.brightness);
    }
    LightFrame frame{};
    size_t next = 0;
    for (size_t plane = 0; plane < planes.size(); ++plane) {
        for (const uint8_t side : kSides) {
            for (size_t half = 0; half < 2; ++half) {
                FrameReport& report = frame[next++];
                report[0] = kReportId;
                report[1] = side;
                report[2] = kParts[plane][half];
                const size_t first = half == 0 ? 0 : kFirstHalfLights;
                const size_t last = half == 0 ? kFirstHalfLights : kHeadsetLights;
                std::copy(planes[plane].begin() + first, planes[plane].begin() + last,
                          report.begin() + kValuesAt);
            }
        }
    }
    return frame;
}

}  // namespace ilmo::headset
