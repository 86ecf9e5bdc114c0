// Keyboard effects that answer key presses (ripples, crosses, glowing keys, sparks), and the
// spreading shapes that the fireworks and raindrops draw too.

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardEffects.h"

namespace ilmo::lighting {

namespace {

constexpr float kLineHalfWidth = 1.0f;
constexpr int kPressHueStride = 24;
constexpr int kGlowFadePerStep = 10;
constexpr int kSparkFadePerStep = 14;
constexpr float kSparkRadiusKeys = 2.6f;

struct Motion {
    float keys_per_step;
    int life_steps;
};

// How fast each shape spreads and how long it lasts: presses reach across the board, a
// firework's burst fills the sky around it, a drop's ring dies out close by.
Motion motion_of(SparkShape shape) {
    switch (shape) {
        case SparkShape::kRipple:
            return {0.45f, 40};
        case SparkShape::kCross:
            return {0.45f, 36};
        case SparkShape::kBurst:
            return {0.4f, 16};
        case SparkShape::kDroplet:
            return {0.3f, 13};
    }
    return {0.45f, 40};
}

// How strongly a spreading shape lights a key at `p`: 0 off the shape, up to 1 on it.
float coverage(const Spark& spark, LightPlace p) {
    const float radius = motion_of(spark.shape).keys_per_step * static_cast<float>(spark.age_steps);
    const auto along = [&](float off) {
        const float across = std::abs(off - radius) / kLineHalfWidth;
        return std::max(0.0f, 1 - across * across);
    };
    if (spark.shape != SparkShape::kCross) return along(distance(p, spark.origin));
    const float dx = std::abs(p.x - spark.origin.x);
    const float dy = std::abs(p.y - spark.origin.y);
    const float on_row = dy < 0.5f ? along(dx) : 0.0f;
    const float on_column = dx < 0.6f ? along(dy) : 0.0f;
    return std::max(on_row, on_column);
}

device::Rgb next_press_color(const device::LightRecord& record, KeyboardEffectState& state) {
    state.shared.color_index += kPressHueStride;
    return spectrum_or_single(record, state.shared.color_index);
}

void draw_glow(KeyCanvas& canvas, const KeyboardEffectState& state) {
    for (int light = 0; light < canvas.placed_lights(); ++light)
        canvas.paint_max(light, state.key_color[static_cast<size_t>(light)],
                         state.glow[static_cast<size_t>(light)]);
}

void fade_glow(KeyboardEffectState& state, int amount) {
    for (size_t light = 0; light < kPlacedLights; ++light)
        if (!state.held[light])
            state.glow[light] = static_cast<uint8_t>(std::max(0, state.glow[light] - amount));
}

}  // namespace

void draw_sparks(KeyCanvas& canvas, KeyboardEffectState& state) {
    const auto& places = light_places();
    for (Spark& spark : state.sparks) {
        const int life_steps = motion_of(spark.shape).life_steps;
        const float fade = 1 - static_cast<float>(spark.age_steps) / static_cast<float>(life_steps);
        for (int light = 0; light < canvas.placed_lights(); ++light) {
            const float lit = coverage(spark, places[static_cast<size_t>(light)]);
            if (lit > 0) canvas.paint_max(light, spark.color, rounded(255 * fade * lit));
        }
        ++spark.age_steps;
    }
    std::erase_if(state.sparks,
                  [](const Spark& s) { return s.age_steps >= motion_of(s.shape).life_steps; });
}

void spreading_presses(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    advance_effect_step(record, kSpectrumSize, true);
    canvas.clear();
    draw_sparks(canvas, state);
    draw_glow(canvas, state);
    fade_glow(state, kGlowFadePerStep * 2);
}

void glowing_presses(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    advance_effect_step(record, kSpectrumSize, true);
    canvas.clear();
    draw_glow(canvas, state);
    fade_glow(state, kGlowFadePerStep);
}

void sparkling_presses(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state) {
    constexpr int kBackground = 28;
    const int step = advance_effect_step(record, kSpectrumSize, true);
    canvas.clear();
    for (int light = 0; light < canvas.placed_lights(); ++light) {
        canvas.paint(light, spectrum_or_single(record, step), kBackground);
        const int glow = state.glow[static_cast<size_t>(light)];
        // Sparks flicker as they fade.
        if (glow > 0)
            canvas.paint_max(light, state.key_color[static_cast<size_t>(light)],
                             glow * (60 + state.random.below(41)) / 100);
    }
    fade_glow(state, kSparkFadePerStep);
}

// More ripples than this at once would cover the board anyway.
constexpr size_t kMostSparks = 32;

void answer_key(PressAnswer answer, int light, bool down, const device::LightRecord& record,
                KeyboardEffectState& state) {
    if (light < 0 || light >= kBoardLights) return;
    const auto key = static_cast<size_t>(light);
    state.held[key] = down;
    if (!down) return;
    const auto& places = light_places();
    const device::Rgb color = next_press_color(record, state);
    state.glow[key] = 255;
    state.key_color[key] = color;
    switch (answer) {
        case PressAnswer::kRipple:
        case PressAnswer::kCross:
            // Drawing retires the sparks; while the preview rests none are drawn, so the
            // oldest makes way for a new one instead of the list growing with every press.
            if (state.sparks.size() >= kMostSparks) state.sparks.erase(state.sparks.begin());
            state.sparks.push_back(
                {places[key], color,
                 answer == PressAnswer::kCross ? SparkShape::kCross : SparkShape::kRipple, 0});
            break;
        case PressAnswer::kGlow:
            break;
        case PressAnswer::kSparkle:
            for (size_t other = 0; other < kPlacedLights; ++other) {
                const float d = distance(places[other], places[key]);
                if (other == key || d > kSparkRadiusKeys || state.random.below(10) < 4) continue;
                state.glow[other] =
                    static_cast<uint8_t>(std::max<int>(state.glow[other], rounded(255 - 60 * d)));
                state.key_color[other] =
                    record.multicolor ? spectrum_color(state.random.below(kSpectrumSize)) : color;
            }
            break;
    }
}

}  // namespace ilmo::lighting
