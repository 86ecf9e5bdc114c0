// Keyboard effects of scattered, moving lights: a snake, rain, stars, fireworks, drops.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardEffects.h"

namespace ilmo::lighting {

namespace {

// The board keys and the strip in reading order that winds back on every other row, one
// light per place: the snake's track. Keys sharing a place (hidden regional keys) are left
// out.
std::vector<int> winding_track() {
    const auto& places = light_places();
    std::vector<int> track;
    for (int light = 0; light < kPlacedLights; ++light) {
        const LightPlace p = places[static_cast<size_t>(light)];
        const bool taken = std::any_of(track.begin(), track.end(), [&](int other) {
            return distance(places[static_cast<size_t>(other)], p) < 0.3f;
        });
        if (!taken) track.push_back(light);
    }
    std::sort(track.begin(), track.end(), [&](int a, int b) {
        const LightPlace pa = places[static_cast<size_t>(a)];
        const LightPlace pb = places[static_cast<size_t>(b)];
        const int row_a = rounded(pa.y);
        const int row_b = rounded(pb.y);
        if (row_a != row_b) return row_a < row_b;
        return row_a % 2 == 0 ? pa.x < pb.x : pa.x > pb.x;
    });
    return track;
}

device::Rgb random_color(const device::LightRecord& record, Random& random) {
    return spectrum_or_single(record, random.below(kSpectrumSize));
}

void draw_rocket(KeyCanvas& canvas, const Rocket& rocket) {
    const auto& places = light_places();
    for (int light = 0; light < canvas.placed_lights(); ++light) {
        const LightPlace p = places[static_cast<size_t>(light)];
        if (std::abs(p.x - rocket.x) > 0.5f) continue;
        const float below = p.y - rocket.y;
        if (below > -0.5f && below < 2.0f)
            canvas.paint_max(light, {255, 240, 200}, rounded(255 - 100 * std::max(0.0f, below)));
    }
}

}  // namespace

// A snake winding along the rows; direction 0 crawls backwards along the track.
void snake(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kLength = 14;
    static const std::vector<int> track = winding_track();
    const int size = static_cast<int>(track.size());
    const int head = advance_effect_step(record, size, record.direction != 0);
    const int along = record.direction ? -1 : 1;
    state.shared.color_index += 2;
    canvas.clear();
    for (int k = 0; k < kLength; ++k) {
        const int at = ((head + along * k) % size + size) % size;
        const float fade = std::pow(1.0f - static_cast<float>(k) / kLength, 1.3f);
        canvas.paint(track[static_cast<size_t>(at)],
                     spectrum_or_single(record, state.shared.color_index + 6 * k),
                     rounded(255 * fade));
    }
}

// Tiles that take new colours a few at a time; colourful, the colours stay near a hue that
// drifts round the spectrum, otherwise the single colour at changing brightness.
void mosaic(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kHueDriftPerStep = 4;
    constexpr int kHueSpread = 48;
    const bool first = state.steps++ == 0;
    const int base_hue = advance_effect_step(record, kSpectrumSize, true, kHueDriftPerStep);
    const int changes = first ? kPlacedLights : kPlacedLights / 6;
    for (int i = 0; i < changes; ++i) {
        const auto light = static_cast<size_t>(first ? i : state.random.below(kPlacedLights));
        state.key_color[light] =
            spectrum_or_single(record, base_hue + state.random.below(kHueSpread) - kHueSpread / 2);
        state.key_phase[light] = static_cast<uint8_t>(110 + state.random.below(146));
    }
    canvas.clear();
    for (int light = 0; light < canvas.placed_lights(); ++light)
        canvas.paint(light, state.key_color[static_cast<size_t>(light)],
                     state.key_phase[static_cast<size_t>(light)]);
}

void prepare_glitter(KeyboardEffectState& state) {
    for (size_t light = 0; light < kPlacedLights; ++light) {
        state.key_phase[light] = static_cast<uint8_t>(state.random.below(kBreathingSteps));
        state.key_color[light] = spectrum_color(state.random.below(kSpectrumSize));
    }
}

// Every key breathes on its own beat in its own colour (the chosen one, colourful off), and
// takes a new colour each time it has faded out.
void glitter(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    record.effect_step = static_cast<uint8_t>(state.steps++ % kBreathingSteps);
    canvas.clear();
    for (int light = 0; light < canvas.placed_lights(); ++light) {
        uint8_t& phase = state.key_phase[static_cast<size_t>(light)];
        phase = static_cast<uint8_t>(
            next_step(next_step(phase, kBreathingSteps, true), kBreathingSteps, true));
        if (phase < 2)
            state.key_color[static_cast<size_t>(light)] =
                spectrum_color(state.random.below(kSpectrumSize));
        const device::Rgb color =
            record.multicolor ? state.key_color[static_cast<size_t>(light)] : single_color(record);
        canvas.paint(light, color, breathing_factor(phase));
    }
}

// Rockets rise from the bottom row and burst into spreading rings of sparks.
void fireworks(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr float kRiseRowsPerStep = 0.35f;
    if (state.steps++ % 14 == 0)
        state.rockets.push_back({static_cast<float>(1 + state.random.below(kBoardColumns - 2)),
                                 kBoardRows,
                                 0.5f + 0.5f * static_cast<float>(state.random.below(5)),
                                 random_color(record, state.random)});
    canvas.clear();
    draw_sparks(canvas, state);
    for (Rocket& rocket : state.rockets) {
        rocket.y -= kRiseRowsPerStep;
        if (rocket.y <= rocket.burst_y)
            state.sparks.push_back(
                {{rocket.x, rocket.burst_y}, rocket.color, SparkShape::kBurst, 0});
        else
            draw_rocket(canvas, rocket);
    }
    std::erase_if(state.rockets, [](const Rocket& r) { return r.y <= r.burst_y; });
}

// Stars light up at random keys and fade away.
void starlight(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kFadePerStep = 8;
    ++state.steps;
    const int star = state.random.below(kPlacedLights);
    state.glow[static_cast<size_t>(star)] = 255;
    state.key_color[static_cast<size_t>(star)] = random_color(record, state.random);
    canvas.clear();
    for (int light = 0; light < canvas.placed_lights(); ++light) {
        uint8_t& glow = state.glow[static_cast<size_t>(light)];
        canvas.paint(light, state.key_color[static_cast<size_t>(light)], glow);
        glow = static_cast<uint8_t>(std::max(0, glow - kFadePerStep));
    }
}

void prepare_rain(KeyboardEffectState& state) {
    for (size_t column = 0; column < kBoardColumns; ++column) {
        state.drop_y[column] = -static_cast<float>(state.random.below(10));
        state.drop_wait[column] = 0;
    }
}

// Drops run down the columns with fading tails; colourful, every column has its own colour.
void rain(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr float kFallRowsPerStep = 0.34f;
    constexpr float kTailRows = 3;
    ++state.steps;
    for (size_t column = 0; column < kBoardColumns; ++column) {
        if (state.drop_wait[column] > 0) {
            --state.drop_wait[column];
            continue;
        }
        state.drop_y[column] += kFallRowsPerStep;
        if (state.drop_y[column] > kBoardRows + kTailRows) {
            state.drop_y[column] = -1;
            state.drop_wait[column] = state.random.below(25);
        }
    }
    canvas.clear();
    const auto& places = light_places();
    for (int light = 0; light < canvas.placed_lights(); ++light) {
        const LightPlace p = places[static_cast<size_t>(light)];
        const auto column = static_cast<size_t>(std::clamp(rounded(p.x), 0, kBoardColumns - 1));
        const float behind = state.drop_y[column] - p.y;
        if (behind < -0.5f || behind > kTailRows) continue;
        const float level = behind < 0.5f ? 255 : 255 * (1 - (behind - 0.5f) / (kTailRows - 0.5f));
        canvas.paint(light, spectrum_or_single(record, 8 * static_cast<int>(column)),
                     rounded(level));
    }
}

// Drops land on random keys and send small rings out that fade before they get far.
void raindrops(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    const auto& places = light_places();
    if (state.steps++ % 5 == 0) {
        const int light = state.random.below(kBoardLights);
        state.sparks.push_back({places[static_cast<size_t>(light)],
                                random_color(record, state.random), SparkShape::kDroplet, 0});
    }
    canvas.clear();
    draw_sparks(canvas, state);
}

}  // namespace ilmo::lighting
