// Command round trips through the emulator: what the host spends per packet with the USB
// timing model off, and how close the channel comes to the model's limit with it on (a
// report takes a 1 ms frame each way, so at most 500 round trips a second).

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "device/CommandChannel.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace {

using namespace ilmo;

constexpr double kModelRoundTripsPerSecond = 500.0;

struct Rig {
    explicit Rig(bool usb_timing, sim::SimProduct product = sim::SimProduct::Keyboard)
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          channel(backend, nullptr, [](int) {}) {
        bus->plug_all();
        bus->set_usb_timing(usb_timing);
        bus->packet_log().set_recording(false);
        const bool receiver = sim::is_receiver(product);
        auto& record = receiver ? channel.receiver() : channel.cable();
        record.open(bus->command_path(product), device::OpenOptions{});
        channel.set_connection_mode(receiver ? device::ConnectionMode::Receiver
                                             : device::ConnectionMode::Cable);
        channel.set_open(true);
    }
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    device::CommandChannel channel;
};

using Clock = std::chrono::steady_clock;

// Packets per second, and that rate as a share of what the timing model allows.
void report_rate(benchmark::State& state, int64_t packets, Clock::time_point started) {
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    const double per_second = static_cast<double>(packets) / seconds;
    state.counters["packets_per_s"] = per_second;
    state.counters["ratio_to_model"] = per_second / kModelRoundTripsPerSecond;
}

// Host cost of one packet and its answer: framing, locks, the seam, the emulator's firmware.
void BM_RoundTrip_TimingOff(benchmark::State& state) {
    Rig rig(false);
    int64_t failures = 0;
    for (auto _ : state) failures += rig.channel.begin_transfer() != ilmo::device::Result::kOk;
    state.counters["failures"] = static_cast<double>(failures);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RoundTrip_TimingOff);

void BM_RoundTrip_TimingOn(benchmark::State& state) {
    Rig rig(true);
    int64_t packets = 0;
    const auto started = Clock::now();
    for (auto _ : state) packets += rig.channel.begin_transfer() == ilmo::device::Result::kOk;
    report_rate(state, packets, started);
}
BENCHMARK(BM_RoundTrip_TimingOn)->UseRealTime()->Iterations(1000);

// A 512-byte key table by cable (10 packets) and through the receiver (22 packets).
void BM_TableWrite_TimingOn(benchmark::State& state) {
    const bool receiver = state.range(0) == 1;
    Rig rig(true, receiver ? sim::SimProduct::KeyboardReceiver : sim::SimProduct::Keyboard);
    const std::vector<uint8_t> table(512, 0x20);
    const int64_t packets_per_table = receiver ? 22 : 10;
    // The device takes table writes only inside a transfer.
    if (rig.channel.begin_transfer() != ilmo::device::Result::kOk) {
        state.SkipWithError("the transfer did not begin");
        return;
    }
    int64_t packets = 0;
    const auto started = Clock::now();
    for (auto _ : state) {
        if (rig.channel.write_table(0, table) == ilmo::device::Result::kOk) packets += packets_per_table;
    }
    report_rate(state, packets, started);
}
BENCHMARK(BM_TableWrite_TimingOn)->Arg(0)->Arg(1)->UseRealTime()->Iterations(60);

// A full keyboard light frame (170 lights x 3 bytes) by cable: frames per second.
void BM_LightFrame_TimingOn(benchmark::State& state) {
    Rig rig(true);
    const std::vector<uint8_t> frame(510, 0x40);
    int64_t frames = 0;
    for (auto _ : state) frames += rig.channel.write_light_frame(frame) == ilmo::device::Result::kOk;
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LightFrame_TimingOn)->UseRealTime()->Iterations(100);

}  // namespace

BENCHMARK_MAIN();
