// Host frames of the host colour mode (30) at their busiest: a picture that changes before
// every call of build_and_send_frame (an unchanged one is not sent again), called every 10 ms
// by cable and every 50 ms through the receiver, the frame timer's pace; its frame sender
// streams the newest frame. Counts the frames that reached the emulated keyboard and sets
// them against what the emulator's 1 ms USB model lets through (a frame is key positions x 3
// bytes in packets of the route's chunk size, each packet a request and an answer), capped by
// the calls' own rate. Goal: at least 0.9 of that allowance on both routes.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "KeyboardBenchRig.h"
#include "keyboard/SettingsRecord.h"
#include "presence/ItemTimer.h"

namespace {

using namespace ilmo;
using Clock = std::chrono::steady_clock;

constexpr double kGoalRatio = 0.9;
constexpr std::chrono::seconds kRunTime{6};

// Complete light frames the keyboard behind `product` has taken.
int light_frames_received(sim::SimBus& bus, sim::SimProduct product) {
    return bus.with_firmware(product,
                             [](sim::Firmware& firmware) { return firmware.counters().light_frames; });
}

// Runs the paced frames on one route and prints its line; false when the keyboard did not load.
bool run_route(sim::SimProduct product, const char* route, std::chrono::milliseconds period) {
    bench::KeyboardBenchRig rig(product);
    keyboard::CTavrinKeyboardDevice& keyboard = rig.keyboard();
    if (!rig.attach() || !device::succeeded(keyboard.load_after_attach())) {
        std::fprintf(stderr, "%s: the keyboard did not load\n", route);
        return false;
    }
    device::LightRecord light = keyboard.lighting();
    light.mode = keyboard::kHostColourMode;
    static_cast<void>(keyboard.change_lighting(light));

    const int frame_bytes = keyboard.information().key_positions() * 3;
    const int chunk_bytes = keyboard.command_channel().chunk_bytes();
    const int packets_per_frame = bench::packets_for(frame_bytes, chunk_bytes);
    const double model_fps = 1000.0 / bench::model_frame_time(packets_per_frame).count();
    const double pacing_fps = 1000.0 / static_cast<double>(period.count());
    const double allowed_fps = std::min(model_fps, pacing_fps);

    const int frames_before = light_frames_received(rig.bus(), product);
    const auto started = Clock::now();
    int64_t calls = 0;
    int64_t posted = 0;
    while (Clock::now() - started < kRunTime) {
        // The first light takes another colour each call (the preview's own step may set it
        // back in between, which is a change as well).
        const auto shade = static_cast<uint8_t>(calls % 2 ? 10 : 20);
        keyboard.set_color(0, {shade, shade, shade, 255});
        posted += keyboard.build_and_send_frame();
        ++calls;
        std::this_thread::sleep_for(period);
    }
    if (posted == 0) {
        std::fprintf(stderr, "%s: the keyboard took no frames\n", route);
        return false;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    const int frames = light_frames_received(rig.bus(), product) - frames_before;
    const double fps = static_cast<double>(frames) / seconds;
    const double ratio = fps / allowed_fps;
    std::printf(
        "%-8s %3d bytes in %2d packets of %2d | timer %5.1f/s, model %5.1f/s, allowed %5.1f/s"
        " | sent %5.1f frames/s (%lld dropped packets) | ratio %.2f, goal >= %.1f: %s\n",
        route, frame_bytes, packets_per_frame, chunk_bytes, static_cast<double>(calls) / seconds,
        model_fps, allowed_fps, fps,
        static_cast<long long>(keyboard.command_channel().dropped_light_packets()), ratio,
        kGoalRatio, bench::goal_verdict(ratio >= kGoalRatio));
    return true;
}

}  // namespace

int main() {
    std::printf("host frames of mode %d over %lld s per route\n", keyboard::kHostColourMode,
                static_cast<long long>(kRunTime.count()));
    using Delays = presence::ItemTimerDelays;
    const bool cable = run_route(sim::SimProduct::Keyboard, "cable",
                                 std::chrono::milliseconds(Delays::kFrameCableMs));
    const bool receiver = run_route(sim::SimProduct::KeyboardReceiver, "receiver",
                                    std::chrono::milliseconds(Delays::kFrameReceiverMs));
    return cable && receiver ? 0 : 1;
}
