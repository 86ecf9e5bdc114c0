#include "sim/PacketLog.h"

namespace ilmo::sim {

void PacketLog::record(LoggedReport report) {
    std::lock_guard lock(mutex_);
    ++counters_[index_of(report.product)].reports_received;
    if (recording_) reports_.push_back(std::move(report));
}

void PacketLog::count_answer(SimProduct product) {
    std::lock_guard lock(mutex_);
    ++counters_[index_of(product)].answers_sent;
}

std::vector<LoggedReport> PacketLog::reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

std::vector<LoggedReport> PacketLog::reports_of(SimProduct product) const {
    std::lock_guard lock(mutex_);
    std::vector<LoggedReport> result;
    for (const auto& report : reports_) {
        if (report.product == product) result.push_back(report);
    }
    return result;
}

void PacketLog::clear() {
    std::lock_guard lock(mutex_);
    reports_.clear();
    counters_.assign(kAllProducts.size(), TrafficCounters{});
}

void PacketLog::set_recording(bool on) {
    std::lock_guard lock(mutex_);
    recording_ = on;
}

TrafficCounters PacketLog::counters(SimProduct product) const {
    std::lock_guard lock(mutex_);
    return counters_[index_of(product)];
}

}  // namespace ilmo::sim
