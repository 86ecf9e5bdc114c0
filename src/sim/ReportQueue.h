#pragma once
// The input reports waiting for one open hidraw node, as the kernel keeps them per open file:
// a ring of 64 slots, one of which always stays empty, so 63 reports wait at most; a report
// that arrives while the ring is full is thrown away and the older ones stay. Every report
// of every collection of the node lands here; which of them a reader wants is the reader's
// business.
//
// A report may be sent with the time it reaches the host (USB timing, slow devices). Until
// then it is in flight and takes no slot: reports enter the ring in the order they arrive,
// and the ring being full is judged at that moment. Closing (abort or unplug) ends every
// wait at once, now and later. Thread-safe.

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

    static constexpr size_t kRingSlots = 64;
    static constexpr size_t kCapacityReports = kRingSlots - 1;

    void push(std::vector<uint8_t> report, Clock::time_point arrives_at);
    // The oldest waiting report; nullopt when the time-out passes first or the queue is
    // closed. timeout_ms = -1 waits without limit.
    std::optional<std::vector<uint8_t>> pop(int timeout_ms);
    // Waits until `when`; false when the queue was closed first.
    bool sleep_until(Clock::time_point when);
    void close();
    bool closed() const;
    // Reports thrown away because the ring was full.
    uint64_t dropped() const;

private:
    struct InFlight {
        std::vector<uint8_t> report;
        Clock::time_point arrives_at;
    };

    // Moves every report that has arrived by `now` into the ring, in arrival order.
    void admit_arrived_locked(Clock::time_point now);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<InFlight> in_flight_;  // ordered by arrival
    std::deque<std::vector<uint8_t>> ring_;
    uint64_t dropped_ = 0;
    bool closed_ = false;
};

}  // namespace ilmo::sim
