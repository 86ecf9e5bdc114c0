// Keyboard effects that sweep colour or light across the board by where the keys sit.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardEffects.h"

namespace ilmo::lighting {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kTurn = 2 * kPi;

// Calls draw(light, place) for every board key the canvas reaches, on a cleared canvas.
template <typename Draw>
void draw_keys(KeyCanvas& canvas, Draw draw) {
    canvas.clear();
    const auto& places = light_places();
    for (int light = 0; light < canvas.placed_lights(); ++light)
        draw(light, places[static_cast<size_t>(light)]);
}

// A light's angle around the board's centre, as a fraction of a turn (0-1), growing
// clockwise as the page shows it (rows run downwards). The board is stretched to a square
// first, so a turning shape spends as long on its short sides as on its long ones.
float turn_of(LightPlace place) {
    constexpr float kSquareUp = static_cast<float>(kBoardColumns) / kBoardRows;
    const float angle =
        std::atan2(kSquareUp * (place.y - kBoardCentre.y), place.x - kBoardCentre.x);
    return (angle < 0 ? angle + kTurn : angle) / kTurn;
}

float wrap_turn(float turn) {
    return turn - std::floor(turn);
}

// Colourful: spectrum entry `hue`. With colourful off the chosen colour, its brightness
// following `wave` (-1 to 1) instead, so the shape still moves.
void paint_hue_or_wave(KeyCanvas& canvas, int light, const device::LightRecord& record, int hue,
                       float wave) {
    if (record.multicolor)
        canvas.paint(light, spectrum_color(hue), 255);
    else
        canvas.paint(light, single_color(record), rounded(150 + 105 * wave));
}

// A wave that comes round once every time `hue` has gone through the spectrum.
float wave_of(int hue) {
    return std::sin(kTurn * static_cast<float>(hue) / kSpectrumSize);
}

}  // namespace

// A rainbow rolling across the columns; direction 0 rolls right to left. Single colour: a
// wave of brightness rolls instead.
void rainbow_wave(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState&) {
    constexpr int kHuePerColumn = 8;
    constexpr float kBrightnessPeriodColumns = 16;
    const int phase = advance_effect_step(record, kSpectrumSize, true, 3);
    const float sign = record.direction ? -1.0f : 1.0f;
    draw_keys(canvas, [&](int light, LightPlace place) {
        const float wave = std::sin(kTurn * (sign * place.x / kBrightnessPeriodColumns +
                                             static_cast<float>(phase) / kSpectrumSize));
        paint_hue_or_wave(canvas, light, record, phase + rounded(sign * kHuePerColumn * place.x),
                          wave);
    });
}

// The spectrum laid around the centre like a colour wheel, turning; direction 0 turns
// clockwise. Single colour: two bright blades turn instead.
void pinwheel_swirl(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState&) {
    const int phase = advance_effect_step(record, kSpectrumSize, true, 2);
    const float sign = record.direction ? -1.0f : 1.0f;
    const float spin = sign * static_cast<float>(phase) / kSpectrumSize;
    draw_keys(canvas, [&](int light, LightPlace place) {
        const float turn = wrap_turn(turn_of(place) - spin);
        if (record.multicolor) {
            canvas.paint(light, spectrum_color(rounded(turn * kSpectrumSize)), 255);
            return;
        }
        const float blade = std::pow(std::max(0.0f, std::cos(2 * kTurn * turn)), 1.5f);
        canvas.paint(light, single_color(record), rounded(20 + 235 * blade));
    });
}

// A rainbow rolling up (direction 0) or down the rows. Single colour: a wave of brightness.
void vertical_wave(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState&) {
    constexpr int kHuePerRow = 24;
    const int phase = advance_effect_step(record, kSpectrumSize, true, 3);
    const float sign = record.direction ? -1.0f : 1.0f;
    draw_keys(canvas, [&](int light, LightPlace place) {
        const int hue = phase - rounded(sign * kHuePerRow * place.y);
        paint_hue_or_wave(canvas, light, record, hue, wave_of(hue));
    });
}

// Two beats, strong then softer, spreading out from the middle of the board about once a
// second; colourful, each beat has the next colour of the spectrum.
void heartbeat(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kBeatSteps = 22;
    constexpr float kSecondBeatStep = 5;
    constexpr float kSpreadStepsPerKey = 0.45f;
    const int step = state.steps++;
    const int beat = step / kBeatSteps;
    const auto into_beat = static_cast<float>(step % kBeatSteps);
    const auto pulse = [](float t, float height) {
        return t < 0 ? 0.0f : height * std::exp(-t / 2.2f);
    };
    record.effect_step = static_cast<uint8_t>(step % kBeatSteps);
    const device::Rgb color = spectrum_or_single(record, beat * 24);
    draw_keys(canvas, [&](int light, LightPlace place) {
        const float t = into_beat - kSpreadStepsPerKey * distance(place, kBoardCentre);
        const float level = std::max(pulse(t, 255), pulse(t - kSecondBeatStep, 170));
        canvas.paint(light, color, rounded(std::max(18.0f, level)));
    });
}

// Soft bands of colour drifting and folding over the board like northern lights. The
// secondary mode picks the palette: greens, blues, violets or the whole spectrum; with
// colourful off the bands are shades of the chosen colour.
void aurora(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kPaletteHues[] = {72, 118, 150};
    const auto t = static_cast<float>(state.steps++);
    const int palette = record.secondary_mode % 4;
    record.effect_step = static_cast<uint8_t>(state.steps % kSpectrumSize);
    draw_keys(canvas, [&](int light, LightPlace p) {
        const float drift = 20 * std::sin(0.45f * p.x + 0.09f * t) +
                            12 * std::sin(0.8f * p.y - 0.05f * t + 0.3f * p.x);
        const float base =
            palette < 3 ? static_cast<float>(kPaletteHues[palette]) : 6 * p.x + 0.8f * t;
        const float glow = std::sin(0.3f * p.x - 0.12f * t + std::sin(0.7f * p.y + 0.04f * t));
        canvas.paint(light, spectrum_or_single(record, rounded(base + drift)),
                     rounded(150 + 105 * glow));
    });
}

// Rings of the spectrum (or of brightness, single colour) around the middle, moving inwards
// (direction 0) or outwards.
void radial_rings(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState&) {
    constexpr float kHuePerKey = 14;
    const int phase = advance_effect_step(record, kSpectrumSize, true, 3);
    const float sign = record.direction ? -1.0f : 1.0f;
    draw_keys(canvas, [&](int light, LightPlace place) {
        const int hue = phase + rounded(sign * kHuePerKey * distance(place, kBoardCentre));
        paint_hue_or_wave(canvas, light, record, hue, wave_of(hue));
    });
}

// A bar of light sweeping down (direction 0) or up the rows, trailing a fading tail;
// colourful, each pass has the next colour of the spectrum.
void scanner_bar(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kPassSteps = 40;
    constexpr float kTravelRows = kBoardRows + 4.0f;
    const int step = advance_effect_step(record, kPassSteps, true);
    if (step == 0) state.shared.color_index += 40;
    const float head = -2.0f + kTravelRows * static_cast<float>(step) / kPassSteps;
    const bool down = record.direction == 0;
    const device::Rgb color = spectrum_or_single(record, state.shared.color_index);
    draw_keys(canvas, [&](int light, LightPlace place) {
        const float row = down ? place.y : (kBoardRows - 1) - place.y;
        const float behind = head - row;
        const float level = behind < -0.6f  ? 0.0f
                            : behind < 0.6f ? 255.0f
                                            : 255.0f * std::exp(-(behind - 0.6f) / 1.1f);
        canvas.paint(light, color, rounded(level));
    });
}

// A radar beam turning clockwise (direction 0) or anticlockwise around the middle with a
// fading afterglow; colourful, the beam takes the colour of the angle it passes.
void radar_sweep(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState&) {
    constexpr float kTrailTurn = 0.3f;
    const int phase = advance_effect_step(record, kSpectrumSize, true, 2);
    const float beam = static_cast<float>(phase) / kSpectrumSize;
    const bool clockwise = record.direction == 0;
    draw_keys(canvas, [&](int light, LightPlace place) {
        const float turn = turn_of(place);
        const float behind = wrap_turn(clockwise ? beam - turn : turn - (1 - beam));
        const float level = 255 * std::pow(std::max(0.0f, 1 - behind / kTrailTurn), 1.6f);
        canvas.paint(light, spectrum_or_single(record, rounded(turn * kSpectrumSize)),
                     rounded(level));
    });
}

// Modes without an effect of their own: the single colour breathing slowly and dimly.
void standby_glow(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState&) {
    const int step = advance_effect_step(record, kBreathingSteps, true);
    const int level = 12 + breathing_factor(step) / 3;
    draw_keys(canvas,
              [&](int light, LightPlace) { canvas.paint(light, single_color(record), level); });
}

}  // namespace ilmo::lighting
