// From an equaliser preset click to the filter active in the sound server: the host's writes
// for a preset (enable, then the ten bands) through the built library, until the server
// lists the filter module with the new gains. Against a private PulseAudio daemon with a
// null sink that carries the headset's identity; each click alternates between two curves
// that differ in every band, so every click loads the filter anew. Goal: a median click at
// most 250 ms, short enough that the change follows the click without a felt delay.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
constexpr EqGains kCurves[2] = {{7, 11, 2, -3, -1, 4, 9, 12, 9, 5},
                                {8, 12, 6, -4, -11, -2, 6, 13, 6, 13}};
const wchar_t* const kSliders[kEqBandCount] = {
    L"EQ_Slider1", L"EQ_Slider2", L"EQ_Slider3", L"EQ_Slider4", L"EQ_Slider5",
    L"EQ_Slider6", L"EQ_Slider7", L"EQ_Slider8", L"EQ_Slider9", L"EQ_Slider10"};

bool filter_has(PulseSession& session, const EqGains& gains) {
    const auto modules = session.modules();
    if (!modules) return false;
    return std::ranges::any_of(*modules, [&](const ModuleEntry& m) {
        return is_eq_module(m.name, m.argument) && eq_gains_from_arguments(m.argument) == gains;
    });
}

// One click; the time in ms until the server lists the filter, or a negative on failure.
double click(const testing::LoadedLibrary& lib, const ConfLibDevice& device, PulseSession& session,
             const EqGains& gains) {
    const auto start = Clock::now();
    if (lib.write_int(device, property::kEnableEq, 1) != 0) return -1;
    for (int band = 0; band < kEqBandCount; ++band) {
        if (lib.write_int(device, kSliders[band], gains[band]) != 0) return -1;
    }
    const auto deadline = start + std::chrono::seconds(5);
    while (!filter_has(session, gains)) {
        if (Clock::now() > deadline) return -1;
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
    std::vector<double> times_ms;
    for (int i = 0; i < kClicks; ++i) {
        const double ms = click(lib, device, *session, kCurves[i % 2]);
        if (ms < 0) {
            std::fprintf(stderr, "bench_headset_eq: click %d did not reach the server\n", i);
            return 1;
        }
        times_ms.push_back(ms);
    }
    (void)lib.write_int(device, property::kEnableEq, 0);
    std::ranges::sort(times_ms);
    const double median_ms = times_ms[times_ms.size() / 2];
    std::printf(
        "bench_headset_eq: preset click to filter active, %d clicks: median %.1f ms, "
        "best %.1f ms, worst %.1f ms; median / goal %.0f ms = %.2f, goal %s\n",
        kClicks, median_ms, times_ms.front(), times_ms.back(), kGoalMedian_ms,
        median_ms / kGoalMedian_ms, median_ms <= kGoalMedian_ms ? "met" : "missed");
    return 0;
}
