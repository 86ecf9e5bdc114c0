#pragma once
// The emulator with every product plugged in and USB timing on, as a demo wants it.

#include <memory>

#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::ctl {

class DemoBackend {
public:
    DemoBackend() : bus_(std::make_shared<sim::SimBus>()), backend_(bus_) {
        bus_->set_usb_timing(true);
        bus_->plug_all();
    }
    device::HidBackend& backend() { return backend_; }

private:
    std::shared_ptr<sim::SimBus> bus_;
    sim::SimBackend backend_;
};

}  // namespace ilmo::ctl
