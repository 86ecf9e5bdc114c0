#include <gtest/gtest.h>

#include "lighting/EffectConstants.h"
#include "lighting/Ticks.h"

namespace ilmo::lighting {
namespace {

using device::Rgb;

TEST(EffectConstants, SpectrumSegmentsFollowTheRamps) {
    EXPECT_EQ(spectrum_color(0), (Rgb{255, 1, 0}));
    EXPECT_EQ(spectrum_color(31), (Rgb{255, 255, 0}));
    EXPECT_EQ(spectrum_color(40), (Rgb{146, 255, 0}));  // D[8]
    EXPECT_EQ(spectrum_color(70), (Rgb{0, 255, 18}));   // U[6]
    EXPECT_EQ(spectrum_color(138), (Rgb{38, 0, 255}));  // U[10]
    EXPECT_EQ(spectrum_color(191), (Rgb{255, 0, 0}));   // D[31]
    EXPECT_EQ(kSpectrum[192], kSpectrum[0]);
    // Indexes from outside wrap onto the table.
    EXPECT_EQ(spectrum_color(192 + 40), spectrum_color(40));
    EXPECT_EQ(spectrum_color(-152), spectrum_color(40));
}

// Sums worked out from the published tables: one mistyped entry changes at least one of them.
TEST(EffectConstants, WholeTablesAddUpToThePublishedOnes) {
    int rise = 0, fall = 0;  // the rising ramp is segment 0's green, the falling segment 1's red
    for (int k = 0; k < 32; ++k) {
        rise += spectrum_color(k).green;
        fall += spectrum_color(32 + k).red;
    }
    EXPECT_EQ(rise, 3047);
    EXPECT_EQ(fall, 2917);
    int red = 0, green = 0, blue = 0;
    for (int i = 0; i < kSpectrumSize; ++i) {
        red += spectrum_color(i).red;
        green += spectrum_color(i).green;
        blue += spectrum_color(i).blue;
    }
    // Every channel runs each ramp once, full for two segments and off for two.
    EXPECT_EQ(red, 22284);
    EXPECT_EQ(green, 22284);
    EXPECT_EQ(blue, 22284);
    int breathing = 0, pad_breathing = 0;
    for (int i = 0; i < kBreathingSteps; ++i) breathing += breathing_factor(i);
    for (int i = 0; i < kPadBreathingSteps; ++i) pad_breathing += pad_breathing_factor(i);
    EXPECT_EQ(breathing, 2 * 5932);
    EXPECT_EQ(pad_breathing, 2 * 5797);
}

TEST(EffectConstants, CurvesRiseAndFallBack) {
    EXPECT_EQ(breathing_factor(10), 10);
    EXPECT_EQ(breathing_factor(18), 27);
    EXPECT_EQ(breathing_factor(63), 255);
    EXPECT_EQ(breathing_factor(64), 255);
    EXPECT_EQ(breathing_factor(117), 10);
    EXPECT_EQ(breathing_factor(127), 0);
    EXPECT_EQ(pad_breathing_factor(0), 22);
    EXPECT_EQ(pad_breathing_factor(47), 255);
    EXPECT_EQ(pad_breathing_factor(48), 255);
    EXPECT_EQ(pad_breathing_factor(95), 22);
}

TEST(EffectConstants, LevelsOutsideTheTablesAreClamped) {
    EXPECT_EQ(brightness_byte(2), 135);
    EXPECT_EQ(brightness_byte(9), 255);
    EXPECT_EQ(brightness_byte(-3), 0);
    EXPECT_EQ(blink_half_period_ms(0), 1600);
    EXPECT_EQ(blink_half_period_ms(3), 400);
    EXPECT_EQ(blink_half_period_ms(200), 200);
    EXPECT_EQ(four_color(1), (Rgb{0, 255, 0}));
    EXPECT_EQ(four_color(6), (Rgb{255, 255, 255}));
}

TEST(EffectConstants, StepRuleWrapsBothWays) {
    EXPECT_EQ(next_step(5, 128, true), 6);
    EXPECT_EQ(next_step(127, 128, true), 0);
    EXPECT_EQ(next_step(5, 128, false), 4);
    EXPECT_EQ(next_step(0, 128, false), 127);
    // A step another effect left behind restarts instead of running past the table.
    EXPECT_EQ(next_step(191, 128, true), 0);
    EXPECT_EQ(next_step(191, 128, false), 127);
}

TEST(Ticks, KeyboardPaceByModeAndSpeed) {
    EXPECT_EQ(ticks_per_step(1, 0) * kTickMs, 128);
    EXPECT_EQ(ticks_per_step(24, 4), 1);
    EXPECT_EQ(ticks_per_step(10, 0), 16);
    EXPECT_EQ(ticks_per_step(10, 2), 6);
    EXPECT_EQ(ticks_per_step(10, 4), 2);
    EXPECT_EQ(ticks_per_step(17, 0), 3);
    EXPECT_EQ(ticks_per_step(19, 4), 3);
    EXPECT_EQ(ticks_per_step(21, 0), 2);
    EXPECT_EQ(ticks_per_step(26, 1), ticks_per_step(5, 1));
    EXPECT_EQ(ticks_per_step(27, 3), ticks_per_step(23, 3));
    EXPECT_EQ(ticks_per_step(30, 2), 3);
    EXPECT_EQ(ticks_per_step(29, 2), 0);
    EXPECT_EQ(ticks_per_step(0, 2), 0);
    EXPECT_EQ(ticks_per_step(31, 2), 0);
    EXPECT_EQ(ticks_per_step(1, 77), 1);
    EXPECT_EQ(pad_ticks_per_step(1), 6);
    EXPECT_EQ(pad_ticks_per_step(-1), 8);
}

TEST(Ticks, CadenceCountsWholeTicks) {
    StepCadence cadence;
    EXPECT_EQ(cadence.next_due_ms(1000, 8), 1000);  // fresh: at once
    EXPECT_TRUE(cadence.due(1000, 8));              // tick 62
    EXPECT_EQ(cadence.next_due_ms(1000, 8), 70 * kTickMs);
    EXPECT_FALSE(cadence.due(1119, 8));  // tick 69
    EXPECT_TRUE(cadence.due(1120, 8));   // tick 70
    // A late wake runs one step and counts on from there.
    EXPECT_TRUE(cadence.due(5000, 8));
    EXPECT_FALSE(cadence.due(5000, 8));
    cadence.restart();
    EXPECT_TRUE(cadence.due(5001, 8));
}

}  // namespace
}  // namespace ilmo::lighting
