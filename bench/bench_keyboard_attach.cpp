// From an attached keyboard to a loaded one: the command packets the emulated keyboard
// answers while the controller loads it, against the fewest its reads need in the route's
// chunks (information 34 bytes, default key table key positions x 3, LED table one byte per
// position, the active profile byte, that profile's 34-byte settings record) plus the
// transfer's begin and end. Goal: at most 1.2 times that, by cable and through the receiver.

#include <chrono>
#include <cstdio>

#include "KeyboardBenchRig.h"
#include "keyboard/SettingsRecord.h"

namespace {

using namespace ilmo;
using Clock = std::chrono::steady_clock;

constexpr double kGoalRatio = 1.2;
constexpr int kBeginAndEnd = 2;

int minimal_packets(int key_positions, int chunk_bytes) {
    const int reads[] = {device::CommandChannel::kInformationBytes, key_positions * 3,
                         key_positions, 1, static_cast<int>(keyboard::SettingsRecord{}.size())};
    int packets = kBeginAndEnd;
    for (int bytes : reads) packets += bench::packets_for(bytes, chunk_bytes);
    return packets;
}

bool run_route(sim::SimProduct product, const char* route) {
    bench::KeyboardBenchRig rig(product);
    if (!rig.attach()) {
        std::fprintf(stderr, "%s: the command interface did not open\n", route);
        return false;
    }
    const int64_t answered_before = rig.bus().packet_log().counters(product).answers_sent;
    const auto started = Clock::now();
    const device::Result loaded = rig.keyboard().load_after_attach();
    const double elapsed_ms =
        std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    const int64_t answered =
        rig.bus().packet_log().counters(product).answers_sent - answered_before;
    if (!device::succeeded(loaded) || !rig.keyboard().loaded()) {
        std::fprintf(stderr, "%s: the keyboard did not load\n", route);
        return false;
    }
    const int chunk_bytes = rig.keyboard().command_channel().chunk_bytes();
    const int minimal = minimal_packets(rig.keyboard().information().key_positions(), chunk_bytes);
    const double ratio = static_cast<double>(answered) / minimal;
    std::printf(
        "%-8s chunks of %2d | answered %3lld packets, fewest possible %3d | %6.1f ms"
        " | ratio %.2f, goal <= %.1f: %s\n",
        route, chunk_bytes, static_cast<long long>(answered), minimal, elapsed_ms, ratio,
        kGoalRatio, bench::goal_verdict(ratio <= kGoalRatio));
    return true;
}

}  // namespace

int main() {
    std::printf("keyboard attach to loaded, in command packets\n");
    const bool cable = run_route(sim::SimProduct::Keyboard, "cable");
    const bool receiver = run_route(sim::SimProduct::KeyboardReceiver, "receiver");
    return cable && receiver ? 0 : 1;
}
