#include <gtest/gtest.h>

#include <array>

#include "lighting/EffectConstants.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::LightRecord;

constexpr LightRecord kRed{.brightness = 4, .speed = 0, .direction = 1, .red = 200};

struct Lights {
    std::array<ColorRecord, 3> records{};
    std::span<ColorRecord> span() { return records; }
    bool all(ColorRecord c) const {
        return std::all_of(records.begin(), records.end(), [&](auto r) { return r == c; });
    }
};

TEST(SharedEffects, BreathingFollowsTheCurveAndChangesColourPerBreath) {
    Lights lights;
    SharedEffectState state;
    LightRecord record = kRed;
    record.effect_step = 17;
    spectrum_cycle_breathing(lights.span(), record, state);
    EXPECT_EQ(record.effect_step, 18);
    EXPECT_TRUE(
        lights.all(with_brightness({200, 0, 0}, 27 * 255 / 256)));  // colourful off: one colour

    record.multicolor = 1;
    record.effect_step = 127;
    spectrum_cycle_breathing(lights.span(), record, state);  // back to 0: next colour
    EXPECT_EQ(state.color_index, 16);
    EXPECT_TRUE(lights.all(with_brightness(spectrum_color(16), 0)));

    record.direction = 0;  // counting down from 0 wraps to 127 without a new colour
    record.brightness = 2;
    spectrum_cycle_breathing(lights.span(), record, state);
    EXPECT_EQ(record.effect_step, 127);
    EXPECT_EQ(state.color_index, 16);

    state.color_index = 176;  // 192 restarts at 0
    record.direction = 1;
    record.effect_step = 127;
    spectrum_cycle_breathing(lights.span(), record, state);
    EXPECT_EQ(state.color_index, 0);
}

TEST(SharedEffects, FourColourCycleBreathesThroughTheSet) {
    Lights lights;
    SharedEffectState state;
    state.color_index = 3;
    LightRecord record = kRed;
    record.effect_step = 127;
    four_color_cycle(lights.span(), record, state);
    EXPECT_EQ(state.color_index, 0);
    EXPECT_TRUE(lights.all(with_brightness({0, 255, 180}, 0)));
    record.effect_step = 40;
    four_color_cycle(lights.span(), record, state);
    EXPECT_TRUE(lights.all(with_brightness({0, 255, 180}, breathing_factor(41) * 255 / 256)));
}

TEST(SharedEffects, SteadyWheelAndOff) {
    Lights lights;
    LightRecord record = kRed;
    record.brightness = 9;  // clamped to the top level
    steady(lights.span(), record);
    EXPECT_TRUE(lights.all(with_brightness({200, 0, 0}, 255)));

    record.brightness = 1;
    record.effect_step = 39;
    spectrum_wheel(lights.span(), record);
    EXPECT_TRUE(lights.all(with_brightness(spectrum_color(40), 80)));
    record.effect_step = 191;
    spectrum_wheel(lights.span(), record);
    EXPECT_EQ(record.effect_step, 0);

    lights_off(lights.span());
    EXPECT_TRUE(lights.all({0, 0, 0, 0}));
}

TEST(SharedEffects, BlinkFlipsEachHalfPeriod) {
    Lights lights;
    SharedEffectState state;
    LightRecord record = kRed;
    record.multicolor = 1;
    record.speed = 3;                                             // 400 ms
    blinking_spectrum_cycle(lights.span(), record, state, 1000);  // shows at once
    EXPECT_EQ(record.blink_phase, 1);
    EXPECT_TRUE(lights.all(with_brightness(spectrum_color(0), 255)));
    blinking_spectrum_cycle(lights.span(), record, state, 1399);
    EXPECT_EQ(record.blink_phase, 1);
    blinking_spectrum_cycle(lights.span(), record, state, 1400);
    EXPECT_EQ(record.blink_phase, 0);
    EXPECT_TRUE(lights.all({0, 0, 0, 0}));
    blinking_spectrum_cycle(lights.span(), record, state, 1800);
    EXPECT_TRUE(lights.all(with_brightness(spectrum_color(32), 255)));

    SharedEffectState four;
    blinking_four_color_cycle(lights.span(), record, four, 0);
    blinking_four_color_cycle(lights.span(), record, four, 400);
    blinking_four_color_cycle(lights.span(), record, four, 800);
    EXPECT_TRUE(lights.all(with_brightness({255, 255, 255}, 255)));
}

}  // namespace
}  // namespace ilmo::lighting
