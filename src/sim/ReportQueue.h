#pragma once
// The input reports waiting for one open handle, as a hidraw node keeps them per reader: a
// bounded queue that drops the oldest report when full. A report may carry the time it
// becomes readable (USB timing, slow devices). Closing it (abort or unplug) ends every wait
// at once, now and later. Thread-safe.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace ilmo::sim {

class ReportQueue {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr size_t kCapacityReports = 64;

    void push(std::vector<uint8_t> report, Clock::time_point ready_at);
    // The oldest report once it is readable; nullopt when the time-out passes first or the
    // queue is closed. timeout_ms = -1 waits without limit.
    std::optional<std::vector<uint8_t>> pop(int timeout_ms);
    // Waits until `when`; false when the queue was closed first.
    bool sleep_until(Clock::time_point when);
    void close();
    bool closed() const;

private:
    struct Entry {
        std::vector<uint8_t> report;
        Clock::time_point ready_at;
    };

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Entry> entries_;
    bool closed_ = false;
};

}  // namespace ilmo::sim
