// The headset's light frame, byte for byte.

#include <gtest/gtest.h>

#include <vector>

#include "headset/HeadsetFrame.h"

namespace ilmo::headset {
namespace {

TEST(HeadsetFrame, PlanesSidesHalvesAlphaAndLimit) {
    std::vector<device::ColorRecord> lights(kHeadsetLights);
    for (int i = 0; i < kHeadsetLights; ++i) {
        const auto n = static_cast<uint8_t>(i);
        lights[i] = {static_cast<uint8_t>(10 + n), static_cast<uint8_t>(100 + n),
                     static_cast<uint8_t>(200 + n), 0xFF};
    }
    lights[12] = {255, 255, 255, 0xFF};  // 254 after alpha, limited to 247
    lights[3] = {200, 64, 0, 128};       // half alpha: 100, 32, 0
    const LightFrame frame = encode_light_frame(lights);

    const uint8_t parts[12] = {0xAA, 0xAD, 0xAA, 0xAD, 0xAB, 0xAE,
                               0xAB, 0xAE, 0xAC, 0xAF, 0xAC, 0xAF};
    for (int r = 0; r < kFrameReports; ++r) {
        const FrameReport& report = frame[r];
        EXPECT_EQ(report[0], 0xFF);
        EXPECT_EQ(report[1], (r / 2) % 2 == 0 ? 0x22 : 0x44) << r;
        EXPECT_EQ(report[2], parts[r]) << r;
        EXPECT_EQ(report[3], 0);
        for (int b = 11; b < kFrameReportBytes; ++b) EXPECT_EQ(report[b], 0) << r;
    }
    // Red of lights 0-6 with alpha 255: value × 255 >> 8.
    EXPECT_EQ(frame[0][4], (10 * 255) >> 8);
    EXPECT_EQ(frame[0][7], 100);
    EXPECT_EQ(frame[4][7], 32);
    EXPECT_EQ(frame[8][7], 0);
    // Lights 7-12 fill six bytes of the second half.
    EXPECT_EQ(frame[1][4], (17 * 255) >> 8);
    EXPECT_EQ(frame[9][9], kFrameLimit);
    EXPECT_EQ(frame[1][10], 0);
    // Both sides carry the same values.
    EXPECT_TRUE(std::equal(frame[8].begin() + 2, frame[8].end(), frame[10].begin() + 2));
}

}  // namespace
}  // namespace ilmo::headset
