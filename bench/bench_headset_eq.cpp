// From an equaliser preset click to the filter active in the sound server: the host's writes
// for a preset (enable, then the ten bands) through the built library, until the server
// lists the filter module with the new gains. Against a private PulseAudio daemon with a
// null sink that carries the headset's identity; each click alternates between two curves
// that differ in every band. The library puts a preset in place once the writes pause, so
// the figure includes that pause; it also counts the filter loads per click (each load moves
// the playing streams, which is heard) and times a single band move the same way. Goals: a
// median click at most 250 ms, short enough that the change follows the click without a felt
// delay; one load per click; a median band move at most 100 ms.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/real/EqualiserModule.h"
#include "audio/real/PulseSession.h"
#include "audio_real/LoadedLibrary.h"
#include "audio_real/PrivatePulseDaemon.h"

namespace {

using namespace ilmo::audio;
using Clock = std::chrono::steady_clock;

constexpr int kClicks = 20;
constexpr double kGoalMedian_ms = 250.0;
constexpr double kGoalBandMedian_ms = 100.0;
constexpr EqGains kCurves[2] = {{7, 11, 2, -3, -1, 4, 9, 12, 9, 5},
                                {8, 12, 6, -4, -11, -2, 6, 13, 6, 13}};
const wchar_t* const kSliders[kEqBandCount] = {
    L"EQ_Slider1", L"EQ_Slider2", L"EQ_Slider3", L"EQ_Slider4", L"EQ_Slider5",
    L"EQ_Slider6", L"EQ_Slider7", L"EQ_Slider8", L"EQ_Slider9", L"EQ_Slider10"};

// The server's number of the filter module with `gains`, if it runs one. Modules are numbered
// in the order they load, so two numbers tell how many loads lie between them.
std::optional<uint32_t> filter_with(PulseSession& session, const EqGains& gains) {
    const auto modules = session.modules();
    if (!modules) return {};
    for (const auto& m : *modules) {
        if (is_eq_module(m.name, m.argument) && eq_gains_from_arguments(m.argument) == gains) {
            return m.index;
        }
    }
    return {};
}

struct Outcome {
    double ms = -1;  // negative when the server never showed the filter
    uint32_t module = 0;
};

// Waits for the filter with `gains`, looking every millisecond.
Outcome wait_for(PulseSession& session, const EqGains& gains, Clock::time_point start) {
    const auto deadline = start + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        if (const auto module = filter_with(session, gains)) {
            return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                    *module};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {};
}

Outcome click(const testing::LoadedLibrary& lib, const ConfLibDevice& device, PulseSession& session,
              const EqGains& gains) {
    const auto start = Clock::now();
    if (lib.write_int(device, property::kEnableEq, 1) != 0) return {};
    for (int band = 0; band < kEqBandCount; ++band) {
        if (lib.write_int(device, kSliders[band], gains[band]) != 0) return {};
    }
    return wait_for(session, gains, start);
}

Outcome band_move(const testing::LoadedLibrary& lib, const ConfLibDevice& device,
                  PulseSession& session, EqGains& gains, int band) {
    gains[band] = gains[band] == 0 ? 3 : 0;
    const auto start = Clock::now();
    if (lib.write_int(device, kSliders[band], gains[band]) != 0) return {};
    return wait_for(session, gains, start);
}

double median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

}  // namespace

int main() {
    testing::PrivatePulseDaemon daemon;
    if (!daemon.start()) {
        std::printf("bench_headset_eq: skipped, no private sound server: %s\n",
                    daemon.why().c_str());
        return 0;
    }
    setenv("PULSE_SERVER", daemon.server().c_str(), 1);
    const auto& lib = testing::LoadedLibrary::instance();
    ConfLibDevice device{};
    auto session = PulseSession::connect(5000);
    if (!lib.loaded() || lib.init() != 0 || lib.create_device_list() != 0 ||
        lib.device(CONF_LIB_FLOW_PLAYBACK, 0, device) != 0 || !session) {
        std::fprintf(stderr, "bench_headset_eq: the library found no headset sink\n");
        return 1;
    }
    std::vector<double> click_ms;
    std::vector<double> band_ms;
    uint32_t most_loads = 0;
    std::optional<uint32_t> last_module;
    for (int i = 0; i < kClicks; ++i) {
        const auto outcome = click(lib, device, *session, kCurves[i % 2]);
        if (outcome.ms < 0) {
            std::fprintf(stderr, "bench_headset_eq: click %d did not reach the server\n", i);
            return 1;
        }
        // The first click starts from no filter, so it has no earlier module to count from.
        if (last_module) most_loads = std::max(most_loads, outcome.module - *last_module);
        last_module = outcome.module;
        click_ms.push_back(outcome.ms);
    }
    EqGains gains = kCurves[(kClicks - 1) % 2];
    for (int i = 0; i < kClicks; ++i) {
        const auto outcome = band_move(lib, device, *session, gains, i % kEqBandCount);
        if (outcome.ms < 0) {
            std::fprintf(stderr, "bench_headset_eq: band move %d did not reach the server\n", i);
            return 1;
        }
        band_ms.push_back(outcome.ms);
    }
    (void)lib.write_int(device, property::kEnableEq, 0);
    const double click_median_ms = median(click_ms);
    const double band_median_ms = median(band_ms);
    std::printf(
        "bench_headset_eq: preset click to filter active, %d clicks: median %.1f ms, "
        "best %.1f ms, worst %.1f ms; median / goal %.0f ms = %.2f, goal %s\n",
        kClicks, click_median_ms, *std::ranges::min_element(click_ms),
        *std::ranges::max_element(click_ms), kGoalMedian_ms, click_median_ms / kGoalMedian_ms,
        click_median_ms <= kGoalMedian_ms ? "met" : "missed");
    std::printf("bench_headset_eq: filter loads per preset click: at most %u, goal 1 %s\n",
                most_loads, most_loads == 1 ? "met" : "missed");
    std::printf(
        "bench_headset_eq: band move to filter active, %d moves: median %.1f ms, worst %.1f ms; "
        "median / goal %.0f ms = %.2f, goal %s\n",
        kClicks, band_median_ms, *std::ranges::max_element(band_ms), kGoalBandMedian_ms,
        band_median_ms / kGoalBandMedian_ms,
        band_median_ms <= kGoalBandMedian_ms ? "met" : "missed");
    return 0;
}
