#include <gtest/gtest.h>

#include "mouse/DpiScale.h"

namespace ilmo::mouse {
namespace {

device::DeviceInformation information(int sensor, int step, int highest, int lowest) {
    device::DeviceInformation info;
    info.bytes[9] = static_cast<uint8_t>(sensor);
    info.bytes[10] = static_cast<uint8_t>(sensor >> 8);
    info.bytes[11] = static_cast<uint8_t>(step);
    info.bytes[12] = static_cast<uint8_t>(highest);
    info.bytes[13] = static_cast<uint8_t>(highest >> 8);
    info.bytes[14] = static_cast<uint8_t>(lowest);
    info.bytes[15] = static_cast<uint8_t>(lowest >> 8);
    return info;
}

TEST(DpiScale, HighDpiSensorMovesByTwoHundredPastTheKneeAndTypedValuesMapBack) {
    const DpiScale scale = dpi_scale_of(information(0x3325, 100, 300, 200));
    EXPECT_EQ(scale, (DpiScale{200, 100, 300, true}));
    EXPECT_EQ(shown_dpi(scale, 48), 5000);
    EXPECT_EQ(shown_dpi(scale, 60), 7400);
    EXPECT_EQ(step_of_dpi(scale, 7400), 60);
    EXPECT_EQ(step_of_dpi(scale, 7399), 59);
    EXPECT_EQ(step_of_dpi(scale, 5099), 48);
    EXPECT_EQ(step_of_dpi(scale, 100), 0);
    EXPECT_EQ(step_of_dpi(scale, 1000000), 300);
    EXPECT_EQ(lowest_typed_dpi(scale), 200);
    EXPECT_EQ(highest_typed_dpi(scale), 5000 + 252 * 200);

    // The knee is measured from L and S, not a fixed DPI: with L = 100 it lies at 2500.
    const DpiScale low_knee{100, 50, 200, true};
    for (const DpiScale& s : {scale, low_knee})
        for (int step = 0; step <= s.highest_step; ++step)
            ASSERT_EQ(step_of_dpi(s, shown_dpi(s, step)), step) << step;
}

TEST(DpiScale, OtherSensorsAreLinear) {
    const DpiScale scale = dpi_scale_of(information(0x3360, 50, 100, 100));
    EXPECT_FALSE(scale.high_dpi_sensor);
    EXPECT_EQ(shown_dpi(scale, 30), 1600);
    EXPECT_EQ(shown_dpi(DpiScale{100, 50, 100, true}, 30), 1600);
    EXPECT_EQ(step_of_dpi(scale, 1649), 30);
    EXPECT_EQ(step_of_dpi(scale, 99), 0);
    EXPECT_EQ(step_of_dpi(scale, 9000), 100);
    EXPECT_EQ(highest_typed_dpi(scale), 5100);
    EXPECT_EQ(step_of_dpi(DpiScale{100, 0, 100, false}, 1600), 0);
}

}  // namespace
}  // namespace ilmo::mouse
