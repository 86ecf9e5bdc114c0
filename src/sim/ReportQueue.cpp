#include "sim/ReportQueue.h"

#include <algorithm>

namespace ilmo::sim {

void ReportQueue::push(std::vector<uint8_t> report, Clock::time_point ready_at) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;
        if (entries_.size() == kCapacityReports) entries_.pop_front();
        entries_.push_back({std::move(report), ready_at});
    }
    changed_.notify_all();
}

std::optional<std::vector<uint8_t>> ReportQueue::pop(int timeout_ms) {
    const bool forever = timeout_ms < 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    std::unique_lock lock(mutex_);
    while (!closed_) {
        const auto now = Clock::now();
        if (!entries_.empty() && entries_.front().ready_at <= now) {
            std::vector<uint8_t> report = std::move(entries_.front().report);
            entries_.pop_front();
            return report;
        }
        if (!forever && now >= deadline) return std::nullopt;
        // Wake for whichever comes first: the head report ripening or the time-out.
        auto wake_at = forever ? Clock::time_point::max() : deadline;
        if (!entries_.empty()) wake_at = std::min(wake_at, entries_.front().ready_at);
        if (wake_at == Clock::time_point::max()) {
            changed_.wait(lock);
        } else {
            changed_.wait_until(lock, wake_at);
        }
    }
    return std::nullopt;
}

bool ReportQueue::sleep_until(Clock::time_point when) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_until(lock, when, [this] { return closed_; });
}

void ReportQueue::close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        entries_.clear();
    }
    changed_.notify_all();
}

bool ReportQueue::closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

}  // namespace ilmo::sim
