#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/MousePreview.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::LightRecord;
using Lights = std::array<ColorRecord, kMouseLights>;

// The picture's light groups: the lights of one always show alike.
const std::vector<std::vector<int>> kGroups = {
    {0, 13}, {1, 12}, {2, 11}, {3, 10}, {4, 9}, {5, 8}, {6, 14, 7},
};
constexpr int64_t kFarMs = 60'000;

LightRecord mouse_lighting(int mode, int speed = 4) {
    return {.mode = static_cast<uint8_t>(mode),
            .brightness = 4,
            .speed = static_cast<uint8_t>(speed),
            .direction = 1,
            .multicolor = 1,
            .red = 200};
}

TEST(MousePreview, GroupsShowAlikeAndWaveShiftsSevenPerGroup) {
    for (const int mode : {0, 5, 6}) {
        for (const uint8_t colourful : {0, 1}) {
            MousePreview preview;
            Lights lights{};
            LightRecord lighting = mouse_lighting(mode);
            lighting.multicolor = colourful;
            preview.reactive_flash(lighting);
            for (int64_t tick = 0; tick < 40; ++tick) {
                preview.tick(lighting, lights, tick * kTickMs);
                for (const std::vector<int>& group : kGroups)
                    for (const int light : group)
                        ASSERT_EQ(lights[static_cast<size_t>(light)],
                                  lights[static_cast<size_t>(group[0])])
                            << "mode " << mode << " light " << light << " tick " << tick;
            }
        }
    }

    MousePreview preview;
    Lights lights{};
    LightRecord rainbow = mouse_lighting(0);
    rainbow.effect_step = 9;
    preview.prepare(rainbow);
    preview.tick(rainbow, lights, 0);  // restarts at step 0, then one step up
    EXPECT_EQ(rainbow.effect_step, 1);
    preview.tick(rainbow, lights, kTickMs);
    for (int group = 0; group < kMouseGroups; ++group)
        EXPECT_EQ(lights[static_cast<size_t>(kGroups[static_cast<size_t>(group)].back())],
                  with_brightness(spectrum_color(3 + 7 * group), 255));

    LightRecord falling = rainbow;
    falling.direction = 0;
    preview.tick(falling, lights, 2 * kTickMs);  // the same mode, counting down from 2
    EXPECT_EQ(falling.effect_step, 1);
    EXPECT_EQ(lights[7], with_brightness(spectrum_color(2 + 42), 255));
}

TEST(MousePreview, BreathingWaveRunsOverTheBreathCurve) {
    ASSERT_EQ(kMouseBreath.size(), 96u);
    EXPECT_EQ(kMouseBreath.front(), 22);
    EXPECT_EQ(kMouseBreath[47], 255);
    EXPECT_EQ((std::vector<int>(kMouseBreath.begin(), kMouseBreath.begin() + 4)),
              (std::vector<int>{22, 24, 27, 30}));
    EXPECT_EQ((std::vector<int>(kMouseBreath.begin() + 45, kMouseBreath.begin() + 48)),
              (std::vector<int>{241, 248, 255}));
    EXPECT_TRUE(std::is_sorted(kMouseBreath.begin(), kMouseBreath.begin() + 48));
    EXPECT_TRUE(std::equal(kMouseBreath.begin(), kMouseBreath.end(), kMouseBreath.rbegin()));

    MousePreview preview;
    Lights lights{};
    LightRecord breathing = mouse_lighting(0);
    breathing.multicolor = 0;
    breathing.brightness = 3;
    breathing.direction = 0;
    preview.tick(breathing, lights, 0);  // counting down over 96 from the restart
    EXPECT_EQ(breathing.effect_step, 95);
    EXPECT_EQ(lights[13], with_brightness({200, 0, 0}, 195 * kMouseBreath[0] / 256));
    EXPECT_EQ(lights[14], with_brightness({200, 0, 0}, 195 * kMouseBreath[42] / 256));
}

TEST(MousePreview, ReactiveFlareSaturatesAndFadesOnlyInItsMode) {
    MousePreview preview;
    Lights lights{};
    LightRecord wheel = mouse_lighting(1);
    preview.tick(wheel, lights, 0);
    preview.reactive_flash(wheel);  // not the reactive mode: the wheel runs on undisturbed
    preview.tick(wheel, lights, kTickMs);
    EXPECT_EQ(wheel.effect_step, 2);
    EXPECT_EQ(lights[0], with_brightness(spectrum_color(2), 255));

    LightRecord reactive = mouse_lighting(6, 0);
    reactive.multicolor = 0;
    preview.tick(reactive, lights, 16);
    EXPECT_EQ(lights[0], (ColorRecord{200, 0, 0, 0}));  // dark between flares
    EXPECT_GT(preview.next_due_ms(reactive, 16), kFarMs);

    preview.reactive_flash(reactive);
    std::vector<int> fades;
    int64_t now_ms = 1000;
    for (int step = 0; step < 20 && (fades.empty() || fades.back() > 0); ++step) {
        EXPECT_LE(preview.next_due_ms(reactive, now_ms), now_ms);
        preview.tick(reactive, lights, now_ms);
        ASSERT_EQ(lights[0], lights[9]);
        fades.push_back(lights[9].brightness);
        now_ms += 8 * kTickMs;
    }
    // Held at full for a step (never wrapping past it), then down by 15 a step to dark.
    std::vector<int> expected;
    for (int fade = 255; fade >= 0; fade -= 15) expected.push_back(255 * fade / 256);
    EXPECT_EQ(fades, expected);
    EXPECT_GT(preview.next_due_ms(reactive, now_ms) - now_ms, kFarMs);
}

TEST(MousePreview, SequencePlaysEachStepForItsDurationAndWraps) {
    MousePreview preview;
    const std::vector<MouseSequenceStep> steps{
        {.kind = 0, .colour = {255, 0, 0}, .duration_ms = 100},
        {.kind = 2, .speed = 4, .colour = {0, 255, 0}, .duration_ms = 500},
        {.kind = 7, .speed = 0, .colour = {}, .duration_ms = 0},  // off for one step of its pace
    };
    preview.set_sequence(steps);
    LightRecord lighting = mouse_lighting(11);
    lighting.multicolor = 0;
    Lights lights{};
    std::vector<std::pair<int64_t, int>> shown;  // (due time, green or red shown)
    int64_t now_ms = 0;
    for (int wake = 0; wake < 7; ++wake) {
        preview.tick(lighting, lights, now_ms);
        shown.emplace_back(now_ms, lights[3].red + lights[3].green);
        now_ms = preview.next_due_ms(lighting, now_ms);
    }
    // Red; green blinking every 200 ms; dark for 8 ticks; red again.
    EXPECT_EQ(shown,
              (std::vector<std::pair<int64_t, int>>{
                  {0, 255}, {100, 255}, {300, 0}, {500, 255}, {600, 0}, {728, 255}, {828, 255}}));
    EXPECT_EQ(lights[3], with_brightness({0, 255, 0}, 255));

    preview.set_sequence({});
    preview.tick(lighting, lights, 2000);
    EXPECT_EQ(lights[3], (ColorRecord{0, 0, 0, 0}));
}

TEST(MousePreview, StillModesSleepAndFlashPacesAtHalfSpeed) {
    MousePreview preview;
    Lights lights{};
    LightRecord steady = mouse_lighting(3);
    preview.tick(steady, lights, 0);
    EXPECT_EQ(lights[4], with_brightness({200, 0, 0}, 255));
    EXPECT_GT(preview.next_due_ms(steady, 0), kFarMs);
    steady.green = 100;  // a changed colour shows at the tick the change wakes
    preview.tick(steady, lights, 5);
    EXPECT_EQ(lights[4], with_brightness({200, 100, 0}, 255));

    LightRecord off = mouse_lighting(10);
    preview.tick(off, lights, 16);
    EXPECT_EQ(lights[4], (ColorRecord{0, 0, 0, 0}));
    EXPECT_GT(preview.next_due_ms(off, 16), kFarMs);

    LightRecord flash = mouse_lighting(5, 0);
    preview.tick(flash, lights, 32);
    EXPECT_EQ(preview.next_due_ms(flash, 32), 32 + 16 * kTickMs);
    LightRecord wheel = mouse_lighting(1, 1);
    preview.tick(wheel, lights, 32);
    EXPECT_EQ(preview.next_due_ms(wheel, 32), 32 + 6 * kTickMs);
}

}  // namespace
}  // namespace ilmo::lighting
