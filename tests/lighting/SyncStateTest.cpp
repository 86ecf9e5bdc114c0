#include <gtest/gtest.h>

#include "lighting/EffectConstants.h"
#include "lighting/SyncState.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::ControllerKind;

TEST(SyncModes, EachKindNamesEveryTypeWithItsOwnMode) {
    struct Row {
        SyncType type;
        int keyboard, mouse, pad, headset;
    };
    const Row rows[] = {{SyncType::Breathing, 5, 2, 2, 2},
                        {SyncType::Steady, 6, 3, 3, 3},
                        {SyncType::Blinking, 23, 4, 4, 4},
                        {SyncType::ColourCycle, 4, 1, 1, 1},
                        {SyncType::Dark, 28, 10, 8, 8}};
    for (const Row& row : rows) {
        const std::pair<ControllerKind, int> modes[] = {{ControllerKind::Keyboard, row.keyboard},
                                                        {ControllerKind::Mouse, row.mouse},
                                                        {ControllerKind::MousePad, row.pad},
                                                        {ControllerKind::Headset, row.headset}};
        for (const auto& [kind, mode] : modes) {
            EXPECT_EQ(sync_mode_for(kind, row.type), mode);
            EXPECT_EQ(sync_type_for_mode(kind, mode), row.type) << mode;
        }
    }
    // Another kind's number, a mode with no sync effect, a kind that takes no part: nothing.
    EXPECT_FALSE(sync_type_for_mode(ControllerKind::Keyboard, 2));
    EXPECT_FALSE(sync_type_for_mode(ControllerKind::Headset, 10));
    EXPECT_FALSE(sync_type_for_mode(ControllerKind::Mouse, 0));
    EXPECT_FALSE(sync_type_for_mode(ControllerKind::None, 5));
    EXPECT_EQ(sync_mode_for(ControllerKind::None, SyncType::Steady), -1);
}

TEST(SyncState, RecordsAreClampedAndThePaceNeverSpins) {
    device::LightRecord record{.mode = 6,
                               .brightness = 9,
                               .speed = 200,
                               .direction = 1,
                               .multicolor = 1,
                               .red = 1,
                               .green = 2,
                               .blue = 3};
    SyncState running;
    running.wheel = 77;
    const SyncState state = sync_state_from(record, SyncType::Steady, running);
    EXPECT_EQ(state.brightness, 4);
    EXPECT_EQ(state.speed, kSyncSpeedCount - 1);
    EXPECT_TRUE(state.direction_up && state.colourful);
    EXPECT_EQ(state.colour, (device::Rgb{1, 2, 3}));
    EXPECT_EQ(state.wheel, 77);  // the running effect carries on
    // Speed indexes 0-4 pace the steps; the rest have no pace of their own and take the
    // slowest instead of stepping without rest.
    const int paces[] = {8, 6, 4, 2, 1, 8, 8};
    const int speeds[] = {0, 1, 2, 3, 4, 5, 14};
    for (size_t i = 0; i < std::size(speeds); ++i) {
        SyncState s;
        s.speed = speeds[i];
        EXPECT_EQ(sync_ticks_per_step(s), paces[i]) << speeds[i];
    }
}

TEST(SyncStep, BreathingWalksTheCurveAndTurnsTheWheelWhenDark) {
    SyncState state;
    state.brightness = 4;
    state.colourful = true;
    state.breathing_level = 2;
    state.wheel = 180;
    ColorRecord c = sync_step(state, 0);  // down to level 1: dark enough for the next colour
    EXPECT_EQ(state.breathing_level, 1);
    EXPECT_EQ(state.wheel, 0);  // 196 starts the wheel over
    EXPECT_EQ(c, (ColorRecord{255, 1, 0, static_cast<uint8_t>(255 * kBreathingCurve[1] >> 8)}));
    c = sync_step(state, 0);
    EXPECT_EQ(state.wheel, 16);
    state.breathing_level = 0;
    sync_step(state, 0);
    EXPECT_EQ(state.breathing_level, 127);  // down from 0 wraps to the top
    EXPECT_EQ(state.wheel, 16);

    SyncState up;
    up.direction_up = true;
    up.brightness = 2;
    up.colour = {10, 20, 30};
    up.breathing_level = 127;
    c = sync_step(up, 0);
    EXPECT_EQ(up.breathing_level, 0);
    EXPECT_EQ(up.wheel, 0);  // one colour only: the wheel stays
    EXPECT_EQ(c, (ColorRecord{10, 20, 30, static_cast<uint8_t>(135 * kBreathingCurve[0] >> 8)}));
}

TEST(SyncStep, SteadyCycleAndDark) {
    SyncState state;
    state.brightness = 1;
    state.colour = {10, 20, 30};
    state.type = SyncType::Steady;
    EXPECT_EQ(sync_step(state, 0), (ColorRecord{10, 20, 30, 80}));
    state.type = SyncType::ColourCycle;
    state.wheel = 191;
    EXPECT_EQ(sync_step(state, 0), (ColorRecord{255, 1, 0, 80}));
    EXPECT_EQ(state.wheel, 0);
    sync_step(state, 0);
    EXPECT_EQ(state.wheel, 1);
    state.type = SyncType::Dark;
    EXPECT_EQ(sync_step(state, 0), (ColorRecord{0, 0, 0, 0}));
}

TEST(SyncStep, BlinkingTogglesAfterItsHalfPeriod) {
    SyncState state;
    state.type = SyncType::Blinking;
    state.speed = 3;  // 2 × 200 ms
    state.brightness = 4;
    state.colour = {9, 8, 7};
    state.last_toggle_ms = 1000;
    EXPECT_EQ(sync_step(state, 1399), (ColorRecord{0, 0, 0, 0}));  // not yet
    EXPECT_EQ(state.wheel, 0);
    EXPECT_EQ(sync_step(state, 1400), (ColorRecord{9, 8, 7, 255}));
    EXPECT_EQ(state.wheel, 14);
    EXPECT_EQ(sync_step(state, 1799), (ColorRecord{9, 8, 7, 255}));
    state.colourful = true;
    state.wheel = 180;
    EXPECT_EQ(sync_step(state, 1800), (ColorRecord{0, 0, 0, 0}));
    EXPECT_EQ(state.wheel, 0);  // 194 starts the wheel over
    const ColorRecord on = sync_step(state, 2200);
    EXPECT_EQ(on, (ColorRecord{spectrum_color(14).red, spectrum_color(14).green,
                               spectrum_color(14).blue, 255}));
}

}  // namespace
}  // namespace ilmo::lighting
