#include <gtest/gtest.h>

#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardPreview.h"
#include "lighting/PerLightEffects.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::LightRecord;

TEST(PreviewTick, StepsAtTheModesPaceAndSaysWhenNext) {
    KeyboardPreview preview;
    std::vector<ColorRecord> lights(126);
    LightRecord wheel{.mode = 4, .brightness = 4, .speed = 0, .direction = 1, .effect_step = 77};
    EXPECT_EQ(preview.next_due_ms(wheel, 5), 5);
    preview.tick(wheel, lights, 0);  // restarts the effect, then its first step
    EXPECT_EQ(wheel.effect_step, 1);
    EXPECT_EQ(preview.next_due_ms(wheel, 1), 128);
    preview.tick(wheel, lights, 127);
    EXPECT_EQ(wheel.effect_step, 1);
    preview.tick(wheel, lights, 128);
    EXPECT_EQ(wheel.effect_step, 2);
    EXPECT_EQ(lights[0], (ColorRecord{spectrum_color(2).red, spectrum_color(2).green, 0, 255}));

    // A mode changed without a preparation restarts too.
    LightRecord blink = wheel;
    blink.mode = 23;
    blink.blink_phase = 0;
    preview.tick(blink, lights, 130);
    EXPECT_EQ(blink.blink_phase, 1);
    EXPECT_EQ(preview.next_due_ms(blink, 130), (8 + 8) * kTickMs);

    // A mode without a step of its own glows at the standby pace.
    LightRecord idle{.mode = 29, .brightness = 4, .red = 255};
    preview.prepare(idle);
    preview.tick(idle, lights, 1000);
    EXPECT_EQ(preview.next_due_ms(idle, 1000),
              (1000 / kTickMs + KeyboardPreview::kStandbyTicks) * kTickMs);
}

TEST(PreviewTick, PerLightEffectsDrawOverTheMode) {
    KeyboardPreview preview;
    std::vector<ColorRecord> lights(126);
    const std::vector<LightRecord> list{
        {.mode = 1, .brightness = 2, .red = 7, .present = 1},  // steady
        {.mode = 4, .brightness = 4, .present = 1},            // off
        {.mode = 1, .brightness = 4, .red = 9, .present = 0},  // not in the list
        {.mode = 200, .brightness = 4, .present = 1},          // unknown: the mode shows
        {.mode = 2,
         .brightness = 4,
         .speed = 0,
         .direction = 1,
         .green = 80,
         .effect_step = 40,
         .present = 1},
    };
    preview.set_light_effects(list);
    LightRecord steady{.mode = 6, .brightness = 4, .blue = 255};
    preview.tick(steady, lights, 0);
    EXPECT_EQ(lights[0], (ColorRecord{7, 0, 0, 135}));
    EXPECT_EQ(lights[1], (ColorRecord{0, 0, 0, 0}));
    EXPECT_EQ(lights[2], (ColorRecord{0, 0, 255, 255}));
    EXPECT_EQ(lights[3], (ColorRecord{0, 0, 255, 255}));
    EXPECT_EQ(lights[4], (ColorRecord{0, 80, 0, 119 * 255 / 256}));  // breathing, step 41
    // The breathing light steps every 8 ticks of its own and keeps its colour between.
    for (int64_t ms = 16; ms < 8 * kTickMs; ms += 16) preview.tick(steady, lights, ms);
    EXPECT_EQ(lights[4].brightness, 119 * 255 / 256);
    preview.tick(steady, lights, 8 * kTickMs);
    EXPECT_EQ(lights[4].brightness, breathing_factor(42) * 255 / 256);
    EXPECT_EQ(preview.next_due_ms(steady, 8 * kTickMs), 16 * kTickMs);
}

}  // namespace
}  // namespace ilmo::lighting
