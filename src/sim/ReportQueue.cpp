#include "sim/ReportQueue.h"

#include <algorithm>

namespace ilmo::sim {

void ReportQueue::push(std::vector<uint8_t> report, Clock::time_point arrives_at) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;
        // Equal arrival times keep the order of sending.
        const auto place = std::upper_bound(
            in_flight_.begin(), in_flight_.end(), arrives_at,
            [](Clock::time_point when, const InFlight& other) { return when < other.arrives_at; });
        in_flight_.insert(place, {std::move(report), arrives_at});
        admit_arrived_locked(Clock::now());
    }
    changed_.notify_all();
}

void ReportQueue::admit_arrived_locked(Clock::time_point now) {
    while (!in_flight_.empty() && in_flight_.front().arrives_at <= now) {
        if (ring_.size() < kCapacityReports) {
            ring_.push_back(std::move(in_flight_.front().report));
        } else {
            ++dropped_;
        }
        in_flight_.pop_front();
    }
}

std::optional<std::vector<uint8_t>> ReportQueue::pop(int timeout_ms) {
    const bool forever = timeout_ms < 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    std::unique_lock lock(mutex_);
    while (!closed_) {
        const auto now = Clock::now();
        admit_arrived_locked(now);
        if (!ring_.empty()) {
            std::vector<uint8_t> report = std::move(ring_.front());
            ring_.pop_front();
            return report;
        }
        if (!forever && now >= deadline) return std::nullopt;
        // Wake for whichever comes first: the next report arriving or the time-out.
        auto wake_at = forever ? Clock::time_point::max() : deadline;
        if (!in_flight_.empty()) wake_at = std::min(wake_at, in_flight_.front().arrives_at);
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
        in_flight_.clear();
        ring_.clear();
    }
    changed_.notify_all();
}

bool ReportQueue::closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

uint64_t ReportQueue::dropped() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

}  // namespace ilmo::sim
