#include "sim/KeepAlive.h"

#include "sim/DeviceEvents.h"

namespace ilmo::sim {

namespace {

bool sends_keep_alive(SimProduct product) {
    const FirmwareKind kind = firmware_kind(product);
    return kind == FirmwareKind::Keyboard || kind == FirmwareKind::MousePad;
}

}  // namespace

KeepAlive::KeepAlive(std::shared_ptr<SimBus> bus, int period_ms)
    : bus_(std::move(bus)), period_(period_ms) {
    if (period_ms > 0) thread_ = std::thread([this] { run(); });
}

KeepAlive::~KeepAlive() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void KeepAlive::run() {
    std::unique_lock lock(mutex_);
    while (!stop_changed_.wait_for(lock, period_, [this] { return stopping_; })) {
        for (SimProduct product : kAllProducts) {
            // Unplugged or out of reach: nobody hears it, as with the real device.
            if (sends_keep_alive(product)) bus_->send_event(product, event_code::kKeepAlive);
        }
    }
}

}  // namespace ilmo::sim
