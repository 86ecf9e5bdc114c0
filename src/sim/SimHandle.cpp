#include "sim/SimHandle.h"

#include <algorithm>
#include <chrono>

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

bool SimHandle::wanted(std::span<const uint8_t> report) const {
    if (!collection_.uses_report_ids) return true;
    return !report.empty() &&
           collection_.has_report_id(device::ReportDirection::Input, report.front());
}

int SimHandle::read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) {
    transferred = 0;
    if (!endpoint_->options.want_read) return 0;
    using Clock = ReportQueue::Clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    for (;;) {
        int left_ms = -1;
        if (timeout_ms >= 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            left_ms = static_cast<int>(std::max<int64_t>(left.count(), 0));
        }
        const auto received = endpoint_->queue.pop(left_ms);
        if (!received) return 0;
        // The node holds the reports of its other collections too; reading skips them, as
        // the platform backend does, and they are gone for this handle.
        if (!wanted(*received)) continue;
        // Like a hidraw read, a buffer shorter than the report gets the report's beginning.
        transferred = std::min(report.size(), received->size());
        std::copy_n(received->begin(), transferred, report.begin());
        return 1;
    }
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
