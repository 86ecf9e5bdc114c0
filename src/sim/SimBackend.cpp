#include "sim/SimBackend.h"

#include "sim/SimHandle.h"

namespace ilmo::sim {

SimBackend::SimBackend(std::shared_ptr<SimBus> bus)
    : bus_(std::move(bus)), seen_changes_(bus_->change_count()) {}

bool SimBackend::enumerate(std::vector<std::string>& paths) {
    paths = bus_->present_paths();
    return true;
}

std::unique_ptr<device::HidHandle> SimBackend::open(const std::string& path,
                                                    const device::OpenOptions& options) {
    auto endpoint = bus_->open(path, options);
    if (!endpoint) return nullptr;
    const SimCollection& opened = endpoint->collection;
    const auto descriptor = device::parse_report_descriptor(opened.report_descriptor);
    const auto index = static_cast<size_t>(opened.collection_number - 1);
    if (!descriptor || index >= descriptor->collections.size()) {
        bus_->close(*endpoint);
        return nullptr;
    }
    return std::make_unique<SimHandle>(bus_, std::move(endpoint), bus_->attributes(opened.product),
                                       descriptor->collections[index]);
}

bool SimBackend::present(const std::string& path) {
    return bus_->present(path);
}

void SimBackend::wait_for_change(int timeout_ms) {
    bus_->wait_for_change(seen_changes_, woken_, timeout_ms);
    woken_ = false;
}

void SimBackend::wake() {
    woken_ = true;
    bus_->notify_waiters();
}

}  // namespace ilmo::sim
