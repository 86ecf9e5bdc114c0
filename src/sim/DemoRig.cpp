#include "sim/DemoRig.h"

namespace ilmo::sim {

namespace {

std::shared_ptr<SimBus> plugged_bus() {
    auto bus = std::make_shared<SimBus>();
    bus->set_usb_timing(true);
    bus->plug_all();
    return bus;
}

}  // namespace

DemoRig::DemoRig(int keep_alive_period_ms)
    : bus_(plugged_bus()), backend_(bus_), keep_alive_(bus_, keep_alive_period_ms) {}

}  // namespace ilmo::sim
