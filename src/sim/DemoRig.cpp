#include "sim/DemoRig.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

#include "sim/OnboardSettings.h"

namespace ilmo::sim {

namespace {

// ILMO_DEMO_KEYBOARD_MODE=<code> starts the demo keyboard's active profile in that lighting
// mode, so a measurement of the running program can begin in a mode without clicking there.
// Anything but a whole number 0-255 is ignored.
void preset_keyboard_mode(SimBus& bus) {
    const char* text = std::getenv("ILMO_DEMO_KEYBOARD_MODE");
    if (text == nullptr) return;
    unsigned mode = 0;
    const char* end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, mode);
    if (error != std::errc() || rest != end || mode > 255) return;
    bus.with_firmware(SimProduct::Keyboard, [mode](Firmware& firmware) {
        const uint8_t byte = static_cast<uint8_t>(mode);
        static_cast<void>(firmware.write(
            FirmwareMemory::Configuration,
            profile_address(firmware.kind(), firmware.active_profile()) + lighting_byte::kMode,
            std::span(&byte, 1)));
    });
}

std::shared_ptr<SimBus> plugged_bus() {
    auto bus = std::make_shared<SimBus>();
    bus->set_usb_timing(true);
    // Nobody reads a demo's packet log: kept, it would hold every report the program sends
    // for as long as it runs (hundreds a second while a host-driven mode streams frames).
    bus->packet_log().set_recording(false);
    bus->plug_all();
    preset_keyboard_mode(*bus);
    return bus;
}

}  // namespace

DemoRig::DemoRig(int keep_alive_period_ms)
    : bus_(plugged_bus()), backend_(bus_), keep_alive_(bus_, keep_alive_period_ms) {}

}  // namespace ilmo::sim
