#include "sim/SimHandle.h"

#include <algorithm>

namespace ilmo::sim {

SimHandle::SimHandle(std::shared_ptr<SimBus> bus, std::shared_ptr<SimEndpoint> endpoint,
                     device::HidAttributes attributes, device::TopLevelCollection collection)
    : bus_(std::move(bus)),
      endpoint_(std::move(endpoint)),
      attributes_(attributes),
      collection_(std::move(collection)) {}

SimHandle::~SimHandle() {
    endpoint_->queue.close();
    bus_->close(*endpoint_);
}

int SimHandle::read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) {
    transferred = 0;
    if (!endpoint_->options.want_read) return 0;
    const auto received = endpoint_->queue.pop(timeout_ms);
    if (!received) return 0;
    // Like a hidraw read, a buffer shorter than the report gets the report's beginning.
    transferred = std::min(report.size(), received->size());
    std::copy_n(received->begin(), transferred, report.begin());
    return 1;
}

int SimHandle::write(std::span<const uint8_t> report, size_t& transferred, int /*timeout_ms*/) {
    transferred = 0;
    if (bus_->write_report(*endpoint_, report, false) == 0) return 0;
    transferred = report.size();
    return 1;
}

int SimHandle::set_output_report(std::span<const uint8_t> report) {
    return bus_->write_report(*endpoint_, report, true);
}

void SimHandle::abort() {
    endpoint_->queue.close();
}

}  // namespace ilmo::sim
