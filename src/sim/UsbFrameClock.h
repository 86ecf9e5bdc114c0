#pragma once
// Full-speed USB moves interrupt reports once per 1 ms frame. This clock hands each report
// the frame boundary at which its transfer completes: the next boundary after it was sent,
// and never a frame an earlier report of the same route already took. Not thread-safe.

#include <chrono>
#include <cstddef>
#include <vector>

namespace ilmo::sim {

class UsbFrameClock {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kFrame{1};

    UsbFrameClock(size_t route_count, Clock::time_point epoch);

    // The first frame boundary strictly after `now`.
    Clock::time_point next_boundary(Clock::time_point now) const;
    // Reserves the frame of a report sent at `now` on `route`; returns when it completes.
    Clock::time_point reserve(size_t route, Clock::time_point now);

private:
    Clock::time_point epoch_;
    std::vector<Clock::time_point> next_free_;
};

}  // namespace ilmo::sim
