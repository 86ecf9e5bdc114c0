#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/PadEffects.h"
#include "lighting/PadPreview.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::LightRecord;
using Lights = std::array<ColorRecord, kPadLights>;

TEST(PadEffects, WaveShiftsSevenPerLight) {
    Lights lights{};
    LightRecord record{.brightness = 3, .direction = 1, .multicolor = 1, .effect_step = 9};
    pad_wave(lights, record);
    EXPECT_EQ(record.effect_step, 10);
    EXPECT_EQ(lights[0], with_brightness(spectrum_color(11), 195));
    EXPECT_EQ(lights[14], with_brightness(spectrum_color(11 + 98), 195));

    record = {.brightness = 4, .direction = 0, .green = 200, .effect_step = 0};
    pad_wave(lights, record);  // counting down over the pad's 96-step curve
    EXPECT_EQ(record.effect_step, 95);
    EXPECT_EQ(lights[0], with_brightness({0, 200, 0}, 255 * pad_breathing_factor(0) / 256));
    EXPECT_EQ(lights[2], with_brightness({0, 200, 0}, 255 * pad_breathing_factor(14) / 256));
}

TEST(PadEffects, FlowPulsesTravelAndFade) {
    Lights lights{};
    LightRecord record{.brightness = 4, .direction = 0, .red = 255};
    PadFlowState flow = prepared_flow();
    pad_flow(lights, record, flow);  // the marks under lights 0 and 12 flare
    EXPECT_EQ(lights[0], with_brightness({255, 0, 0}, 255 * 255 / 256));
    EXPECT_EQ(lights[12], with_brightness({255, 0, 0}, 255 * 255 / 256));
    EXPECT_EQ(lights[11].brightness, 0);
    pad_flow(lights, record, flow);  // fading only
    EXPECT_EQ(lights[12].brightness, 255 * (255 - 24) / 256);
    pad_flow(lights, record, flow);  // the ring turned towards light 0
    EXPECT_EQ(lights[11].brightness, 255 * 255 / 256);
    EXPECT_EQ(lights[12].brightness, 255 * (255 - 48) / 256);

    record.direction = 1;
    record.multicolor = 1;
    flow = prepared_flow();
    pad_flow(lights, record, flow);
    pad_flow(lights, record, flow);
    pad_flow(lights, record, flow);
    EXPECT_EQ(lights[13], with_brightness(spectrum_color(12 * 13), 255 * 255 / 256));
}

TEST(PadEffects, PairedFlowKeepsPairsAlike) {
    Lights lights{};
    LightRecord record{.brightness = 4, .multicolor = 1};
    PadFlowState flow = prepared_paired_flow();
    for (int step = 0; step < 30; ++step) {
        pad_paired_flow(lights, record, flow);
        for (int pair = 0; pair < kPadPairs; ++pair)
            ASSERT_EQ(lights[static_cast<size_t>(pair)], lights[static_cast<size_t>(14 - pair)]);
        ASSERT_EQ(lights[7], lights[6]);
    }
    EXPECT_EQ(lights[3].red, spectrum_color(36).red);
}

LightRecord pad_lighting(int list_index) {
    return {.mode = static_cast<uint8_t>(list_index), .brightness = 4, .speed = 4, .blue = 99};
}

TEST(PadPreview, ListIndexPicksTheStep) {
    PadPreview preview;
    Lights lights{};
    LightRecord steady = pad_lighting(3);
    preview.tick(steady, lights, 0);
    EXPECT_EQ(lights[9], with_brightness({0, 0, 99}, 255));
    LightRecord none = pad_lighting(5);
    preview.tick(none, lights, 16);  // a new mode starts dark; "none" draws nothing more
    preview.tick(none, lights, 32);
    EXPECT_EQ(lights[9], (ColorRecord{0, 0, 0, 0}));
    LightRecord wheel = pad_lighting(1);
    preview.tick(wheel, lights, 48);  // direction 0 counts down from the restart
    EXPECT_EQ(lights[9], with_brightness(spectrum_color(191), 255));
}

TEST(PadPreview, UserSequencePlaysItsStepsInTurn) {
    PadPreview preview;
    const std::vector<SequenceStep> steps{
        {.look = {.mode = 1, .brightness = 4, .red = 50}, .time = 2, .cycle = 2},
        {.look = {.mode = 4}, .time = 1},
    };
    preview.set_sequence(steps);
    Lights lights{};
    LightRecord lighting = pad_lighting(12);  // past the list: the user's sequence
    std::vector<int> reds;
    for (int step = 0; step < 7; ++step) {
        preview.tick(lighting, lights, step * kTickMs);
        reds.push_back(lights[0].red);
    }
    // Four pad steps of the first (time 2, twice), one of the second, then round again.
    EXPECT_EQ(reds, (std::vector<int>{50, 50, 50, 50, 0, 50, 50}));

    // A step that breathes faster than the pad's pace is woken for at its own.
    const std::vector<SequenceStep> breathing{{.look = {.mode = 2, .brightness = 4, .speed = 4}}};
    preview.set_sequence(breathing);
    lighting.speed = 0;
    preview.tick(lighting, lights, 1000 * kTickMs);
    EXPECT_EQ(preview.next_due_ms(lighting, 1000 * kTickMs), 1001 * kTickMs);
}

}  // namespace
}  // namespace ilmo::lighting
