#pragma once
// The emulator as the demos run it: every product plugged in, USB frame timing on and the
// devices' keep-alive running. The tray program and the command-line tool both take it from
// here, so a demo behaves the same in each. ILMO_DEMO_KEYBOARD_MODE presets the keyboard's
// lighting mode (see DemoRig.cpp).

#include <memory>

#include "sim/KeepAlive.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::sim {

class DemoRig {
public:
    static constexpr int kKeepAlivePeriodMs = 2000;

    explicit DemoRig(int keep_alive_period_ms = kKeepAlivePeriodMs);

    device::HidBackend& backend() { return backend_; }
    // The hardware side, for the emulator's panel.
    const std::shared_ptr<SimBus>& bus() const { return bus_; }

private:
    std::shared_ptr<SimBus> bus_;
    SimBackend backend_;
    KeepAlive keep_alive_;
};

}  // namespace ilmo::sim
