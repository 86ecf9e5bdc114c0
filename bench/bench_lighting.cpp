// What one preview tick costs: a mode's step over the keyboard's 170 lights (or the 15 of the
// pad or the mouse picture) and the per-light pass, in thousandths of the 16 ms tick a step may
// take at most. A figure near 1000 would mean the preview could not keep pace on its own.
// For the mouse also how often its thread is woken when it sleeps until the preview asks.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "lighting/KeyboardPreview.h"
#include "lighting/MousePreview.h"
#include "lighting/PadPreview.h"
#include "lighting/Ticks.h"

namespace {

using namespace ilmo;

template <typename Preview>
void run_ticks(benchmark::State& state, Preview& preview, device::LightRecord lighting,
               std::vector<device::ColorRecord>& lights) {
    int64_t now_ms = 0;
    const auto started = std::chrono::steady_clock::now();
    for (auto _ : state) {
        preview.tick(lighting, lights, now_ms);  // every tick is a step at speed 4
        now_ms += lighting::kTickMs;
        benchmark::DoNotOptimize(lights.data());
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - started;
    const double per_tick_ms = spent.count() / static_cast<double>(state.iterations());
    state.counters["per_mille_of_tick"] = 1000.0 * per_tick_ms / lighting::kTickMs;
}

void BM_KeyboardStep(benchmark::State& state) {
    lighting::KeyboardPreview preview;
    std::vector<device::ColorRecord> lights(170);
    const std::vector<device::LightRecord> per_light(
        170, {.mode = 2, .brightness = 4, .speed = 4, .present = 1});
    if (state.range(1)) preview.set_light_effects(per_light);
    const auto mode = static_cast<uint8_t>(state.range(0));
    if (mode == 7) preview.key_event(51, true);
    run_ticks(state, preview, {.mode = mode, .brightness = 4, .speed = 4, .multicolor = 1}, lights);
}
// The cheapest shared step, the table-driven ones, and the heaviest drawings.
BENCHMARK(BM_KeyboardStep)->ArgsProduct({{4, 5, 6, 1, 3, 7, 13, 17, 24}, {0}})->Args({5, 1});

void BM_PadStep(benchmark::State& state) {
    lighting::PadPreview preview;
    std::vector<device::ColorRecord> lights(15);
    run_ticks(state, preview,
              {.mode = static_cast<uint8_t>(state.range(0)),
               .brightness = 4,
               .speed = 4,
               .multicolor = 1},
              lights);
}
BENCHMARK(BM_PadStep)->Arg(0)->Arg(7);

constexpr int kMouseReactiveMode = 6;
constexpr int64_t kReactiveEventEveryMs = 1000;

// Ten seconds of preview time, each tick run when the preview asks for it (and at each reactive
// event, which wakes the thread): the ticks that changed the picture per second, and the ticks
// run as a share of all 16 ms ticks.
void simulate_mouse_wakes(benchmark::State& state, lighting::MousePreview& preview,
                          device::LightRecord lighting) {
    constexpr int64_t kSpanMs = 10'000;
    std::vector<device::ColorRecord> lights(lighting::kMouseLights);
    std::vector<device::ColorRecord> before;
    int steps = 0;
    int wakes = 0;
    int64_t now_ms = 0;
    int64_t next_event_ms = 0;
    while (now_ms < kSpanMs) {
        if (lighting.mode == kMouseReactiveMode && now_ms >= next_event_ms) {
            preview.reactive_flash(lighting);
            next_event_ms += kReactiveEventEveryMs;
        }
        before = lights;
        preview.tick(lighting, lights, now_ms);
        ++wakes;
        if (lights != before) ++steps;
        int64_t due_ms = preview.next_due_ms(lighting, now_ms);
        if (lighting.mode == kMouseReactiveMode) due_ms = std::min(due_ms, next_event_ms);
        now_ms = std::max(due_ms, now_ms + 1);
    }
    state.counters["steps_per_s"] = steps * 1000.0 / kSpanMs;
    state.counters["wakes_per_tick"] = wakes / (static_cast<double>(kSpanMs) / lighting::kTickMs);
}

// Mode 11 plays a custom sequence of a breathing, a blink and a steady step.
void BM_MouseStep(benchmark::State& state) {
    const std::vector<lighting::MouseSequenceStep> sequence{
        {.kind = 1, .speed = 4, .colourful = true, .colour = {}, .duration_ms = 3000},
        {.kind = 2, .speed = 4, .colour = {0, 255, 0}, .duration_ms = 2000},
        {.kind = 0, .colour = {255, 0, 0}, .duration_ms = 1000},
    };
    const device::LightRecord lighting{
        .mode = static_cast<uint8_t>(state.range(0)), .brightness = 4, .speed = 4, .multicolor = 1};
    std::vector<device::ColorRecord> lights(lighting::kMouseLights);
    lighting::MousePreview preview;
    preview.set_sequence(sequence);
    if (lighting.mode == kMouseReactiveMode) preview.reactive_flash(lighting);
    run_ticks(state, preview, lighting, lights);

    lighting::MousePreview woken;
    woken.set_sequence(sequence);
    simulate_mouse_wakes(state, woken, lighting);
}
BENCHMARK(BM_MouseStep)->DenseRange(0, 8)->Arg(10)->Arg(11);

}  // namespace

BENCHMARK_MAIN();
