#include "lighting/SyncState.h"

#include <algorithm>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

namespace {

using device::ControllerKind;

// Mode numbers per sync type (rows) for keyboard, mouse, mouse-pad and headset (columns).
constexpr std::array<std::array<int, 4>, kSyncTypeCount> kSyncModes{{
    {5, 2, 2, 2},    // breathing
    {6, 3, 3, 3},    // steady colour
    {23, 4, 4, 4},   // blinking
    {4, 1, 1, 1},    // colour cycle
    {28, 10, 8, 8},  // dark
}};

// Ticks per step by speed index; the same for every sync type. Indexes 5-14 have none.
constexpr std::array<int, kSyncSpeedCount> kSyncSpeeds{8, 6, 4, 2, 1};

constexpr int kBreathingWheelAdvance = 16;
constexpr int kBlinkWheelAdvance = 14;
// Colourful breathing takes the next colour while the light is at its darkest.
constexpr int kBreathingDarkBelow = 2;

int column(ControllerKind kind) {
    switch (kind) {
        case ControllerKind::Keyboard:
            return 0;
        case ControllerKind::Mouse:
            return 1;
        case ControllerKind::MousePad:
            return 2;
        case ControllerKind::Headset:
            return 3;
        case ControllerKind::None:
            break;
    }
    return -1;
}

// The wheel does not wrap around: passing its end starts it over at its first colour.
int advance_wheel(int wheel, int by) {
    const int next = wheel + by;
    return next >= kSpectrumSize ? 0 : next;
}

device::ColorRecord lit(device::Rgb colour, int brightness) {
    return {colour.red, colour.green, colour.blue, static_cast<uint8_t>(brightness)};
}

device::Rgb wheel_or_fixed(const SyncState& state) {
    return state.colourful ? spectrum_color(state.wheel) : state.colour;
}

device::ColorRecord breathe(SyncState& state) {
    state.breathing_level = next_step(state.breathing_level, kBreathingSteps, state.direction_up);
    if (state.colourful && state.breathing_level < kBreathingDarkBelow)
        state.wheel = advance_wheel(state.wheel, kBreathingWheelAdvance);
    const int factor = breathing_factor(state.breathing_level);
    return lit(wheel_or_fixed(state), brightness_byte(state.brightness) * factor >> 8);
}

device::ColorRecord blink(SyncState& state, int64_t now_ms) {
    const int64_t half_period_ms = int64_t{sync_ticks_per_step(state)} * kBlinkUnitMs;
    if (now_ms - state.last_toggle_ms >= half_period_ms) {
        state.last_toggle_ms = now_ms;
        state.blink_on = !state.blink_on;
        state.wheel = advance_wheel(state.wheel, kBlinkWheelAdvance);
    }
    if (!state.blink_on) return {0, 0, 0, 0};
    return lit(wheel_or_fixed(state), brightness_byte(state.brightness));
}

}  // namespace

std::optional<SyncType> sync_type_for_mode(ControllerKind kind, int mode) {
    const int at = column(kind);
    if (at < 0) return std::nullopt;
    for (int type = 0; type < kSyncTypeCount; ++type)
        if (kSyncModes[static_cast<size_t>(type)][static_cast<size_t>(at)] == mode)
            return static_cast<SyncType>(type);
    return std::nullopt;
}

int sync_mode_for(ControllerKind kind, SyncType type) {
    const int at = column(kind);
    if (at < 0) return -1;
    return kSyncModes[static_cast<size_t>(type)][static_cast<size_t>(at)];
}

SyncState sync_state_from(const device::LightRecord& record, SyncType type,
                          const SyncState& running) {
    SyncState state = running;
    state.type = type;
    state.speed = std::clamp(int{record.speed}, 0, kSyncSpeedCount - 1);
    state.brightness = clamp_level(record.brightness);
    state.direction_up = record.direction != 0;
    state.colourful = record.multicolor != 0;
    state.colour = {record.red, record.green, record.blue};
    return state;
}

int sync_ticks_per_step(const SyncState& state) {
    const int ticks =
        kSyncSpeeds[static_cast<size_t>(std::clamp(state.speed, 0, kSyncSpeedCount - 1))];
    return ticks > 0 ? ticks : kSyncSpeeds.front();
}

device::ColorRecord sync_step(SyncState& state, int64_t now_ms) {
    switch (state.type) {
        case SyncType::Breathing:
            return breathe(state);
        case SyncType::Steady:
            return lit(state.colour, brightness_byte(state.brightness));
        case SyncType::Blinking:
            return blink(state, now_ms);
        case SyncType::ColourCycle:
            state.wheel = advance_wheel(state.wheel, 1);
            return lit(spectrum_color(state.wheel), brightness_byte(state.brightness));
        case SyncType::Dark:
            break;
    }
    return {0, 0, 0, 0};
}

}  // namespace ilmo::lighting
