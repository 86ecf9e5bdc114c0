#include "lighting/KeyboardPreview.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

namespace {

constexpr int kMusicMode = 21;
// Bands reach the keyboard with every third levels notice, about every 35 ms; the music mode
// shows them at once, and between them steps every 32 ms. The bar visualisers that have no
// fade keep their picture over the steps without bands, or they would flash their silence
// picture now and then; after this many steps without bands the music has stopped and they
// show silence.
constexpr int kStepsHeldWithoutBands = 4;

std::optional<PressAnswer> answer_of(int mode) {
    switch (mode) {
        case 7:
            return PressAnswer::kRipple;
        case 8:
            return PressAnswer::kGlow;
        case 9:
            return PressAnswer::kSparkle;
        case 25:
            return PressAnswer::kCross;
        default:
            return std::nullopt;
    }
}

using BoardStep = void (*)(KeyCanvas&, device::LightRecord&, KeyboardEffectState&);

// The keyboard's own animation of each mode that has one; the standby glow for the others.
BoardStep board_step(int mode) {
    // clang-format off
    constexpr std::pair<int, BoardStep> kSteps[] = {
        {1, rainbow_wave},    {2, snake},
        {3, pinwheel_swirl},  {7, spreading_presses},
        {8, glowing_presses}, {9, sparkling_presses},
        {10, mosaic},         {11, glitter},
        {12, vertical_wave},  {13, fireworks},
        {14, starlight},      {15, rain},
        {16, heartbeat},      {17, aurora},
        {18, radial_rings},   {19, scanner_bar},
        {22, raindrops},      {24, radar_sweep},
        {25, spreading_presses},
    };
    // clang-format on
    for (const auto& [step_mode, step] : kSteps)
        if (step_mode == mode) return step;
    return standby_glow;
}

// What a mode sets up beyond the common restart (running step, blink phase, counters,
// glows, shapes, all lights off). The heartbeat and the custom colours need nothing more:
// with their step count back at 0 the heartbeat starts on a beat and the custom colours
// sweep in again.
void prepare_mode(const device::LightRecord& lighting, KeyboardEffectState& state) {
    const auto& places = light_places();
    switch (lighting.mode) {
        case 11:
            prepare_glitter(state);
            break;
        case 13:  // a burst already in the sky, so the effect does not open on a dark board
            state.sparks.push_back({{kBoardCentre.x, 1.0f},
                                    spectrum_or_single(lighting, state.random.below(kSpectrumSize)),
                                    SparkShape::kBurst,
                                    0});
            break;
        case 15:
            prepare_rain(state);
            break;
        case kMusicMode:
            prepare_music(state);
            break;
        case 22:  // a few drops already falling
            for (int i = 0; i < 3; ++i)
                state.sparks.push_back(
                    {places[static_cast<size_t>(state.random.below(kBoardLights))],
                     spectrum_or_single(lighting, state.random.below(kSpectrumSize)),
                     SparkShape::kDroplet, 4 * i});
            break;
        default:
            break;
    }
}

}  // namespace

void KeyboardPreview::restart(const device::LightRecord& lighting) {
    state_ = KeyboardEffectState{};
    prepare_mode(lighting, state_);
    if (lighting.mode == kMusicMode) {
        bands_.clear();
        steps_without_bands_ = kStepsHeldWithoutBands;
    }
}

int KeyboardPreview::step_ticks(const device::LightRecord& lighting) const {
    const int ticks = ticks_per_step(lighting.mode, lighting.speed);
    return ticks > 0 ? ticks : kStandbyTicks;
}

bool KeyboardPreview::step_wanted_now() const {
    return prepared_mode() == kMusicMode && bands_.fresh();
}

void KeyboardPreview::run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                               int64_t now_ms) {
    KeyCanvas canvas(lights, brightness_byte(lighting.brightness));
    switch (lighting.mode) {
        case 4:
            return spectrum_wheel(lights, lighting);
        case 5:
            return column_rainbow_breathing(canvas, lighting);
        case 6:
            if (lighting.multicolor) return steady_by_rows(canvas, key_to_light_);
            return steady(lights, lighting);
        case 20:
            return custom_colors(canvas, lighting, state_, custom_colors_);
        case 23:
            return blinking_spectrum_cycle(lights, lighting, state_.shared, now_ms);
        case 26:
            return four_color_cycle(lights, lighting, state_.shared);
        case 27:
            return blinking_four_color_cycle(lights, lighting, state_.shared, now_ms);
        case kMusicMode:
            return music_step(canvas, lighting);
        case 28:
            return lights_off(lights);
        case 30:
            return fill(lights, with_brightness(host_color_.value_or(single_color(lighting)),
                                                brightness_byte(lighting.brightness)));
        default:
            return board_step(lighting.mode)(canvas, lighting, state_);
    }
}

void KeyboardPreview::music_step(KeyCanvas& canvas, device::LightRecord& lighting) {
    const std::optional<BandValues> bands = bands_.take();
    if (bands) {
        steps_without_bands_ = 0;
    } else if (draws_without_fade(music_.audio_mode) &&
               ++steps_without_bands_ <= kStepsHeldWithoutBands) {
        return;  // the picture stays as the last bands drew it
    }
    music_visualiser(canvas, lighting, state_, music_, key_to_light_, bands.value_or(BandValues{}));
}

void KeyboardPreview::set_music_lighting(const MusicLighting& music) {
    const bool new_mode = music.audio_mode != music_.audio_mode;
    music_ = music;
    if (new_mode && prepared_mode() == kMusicMode) restart(last_lighting());
}

void KeyboardPreview::key_event(int key_index, bool down) {
    if (!prepared_mode()) return;
    if (*prepared_mode() == kMusicMode) {
        // The beat ripple: a ripple in the music's colours when the audio mode shows them.
        if (music_.audio_mode != kRippleAudioMode) return;
        device::LightRecord colours = last_lighting();
        colours.multicolor = music_.seven_color;
        colours.red = music_.foreground.red;
        colours.green = music_.foreground.green;
        colours.blue = music_.foreground.blue;
        return answer_key(PressAnswer::kRipple, light_of_key(key_to_light_, key_index), down,
                          colours, state_);
    }
    const std::optional<PressAnswer> answer = answer_of(*prepared_mode());
    if (!answer) return;
    answer_key(*answer, light_of_key(key_to_light_, key_index), down, last_lighting(), state_);
}

void KeyboardPreview::set_key_to_light(std::span<const int> key_to_light) {
    key_to_light_.assign(key_to_light.begin(), key_to_light.end());
}

void KeyboardPreview::set_custom_colors(std::span<const device::Rgb> colors) {
    custom_colors_.assign(colors.begin(), colors.end());
}

}  // namespace ilmo::lighting
