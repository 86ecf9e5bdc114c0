#pragma once
// The keyboard's controller on the demo emulator (every product plugged, USB frame timing on,
// keep-alives running), with its profiles in a scratch folder that goes with the rig.

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "device/DeviceTables.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "sim/DemoRig.h"
#include "sim/UsbFrameClock.h"

namespace ilmo::bench {

// The keyboard's row in the device option table.
inline constexpr int kKeyboardRow = 1;

struct ScratchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("ilmo-bench-" + std::to_string(getpid()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

class KeyboardBenchRig {
public:
    explicit KeyboardBenchRig(sim::SimProduct product)
        : product_(product),
          keyboard_(demo_.backend(), kKeyboardRow, {ILMO_SOURCE_DIR, scratch_.path},
                    std::string(device::device_folder_name(kKeyboardRow)), {}) {
        const auto document =
            keyboard_.folders().profile_folder(keyboard_.device_folder_name()) / "bench.Json";
        static_cast<void>(keyboard_.load_profile(document));
    }

    // Opens the command interface the way an arrival does; false when it would not open.
    bool attach() {
        const auto kind = sim::is_receiver(product_) ? device::DeviceKind::KeyboardReceiver
                                                     : device::DeviceKind::Keyboard;
        return keyboard_.attach_command_interface(bus().command_path(product_), kind) ==
               device::Result::kOk;
    }

    sim::SimBus& bus() { return *demo_.bus(); }
    sim::SimProduct product() const { return product_; }
    keyboard::CTavrinKeyboardDevice& keyboard() { return keyboard_; }

private:
    sim::SimProduct product_;
    ScratchFolder scratch_;
    sim::DemoRig demo_;
    keyboard::CTavrinKeyboardDevice keyboard_;
};

// Whole packets a transfer of `bytes` takes at `chunk_bytes` a packet.
constexpr int packets_for(int bytes, int chunk_bytes) {
    return (bytes + chunk_bytes - 1) / chunk_bytes;
}

// How long the USB model takes for `packets` request-and-answer pairs sent back to back:
// every report reserves its own frame, and an answer cannot share its request's frame.
inline std::chrono::duration<double, std::milli> model_frame_time(int packets) {
    const sim::UsbFrameClock::Clock::time_point epoch{};
    sim::UsbFrameClock out(1, epoch);
    sim::UsbFrameClock in(1, epoch);
    auto now = epoch;
    for (int i = 0; i < packets; ++i) now = in.reserve(0, out.reserve(0, now));
    return now - epoch;
}

inline const char* goal_verdict(bool met) {
    return met ? "goal met" : "goal missed";
}

}  // namespace ilmo::bench
