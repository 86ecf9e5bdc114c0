// What one preview tick costs: a mode's step over the keyboard's 170 lights (or the pad's 15)
// and the per-light pass, in thousandths of the 16 ms tick a step may take at most. A figure
// near 1000 would mean the preview could not keep pace on its own.

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "lighting/KeyboardPreview.h"
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

}  // namespace

BENCHMARK_MAIN();
