#pragma once
// Which host light frames are worth sending. A picture the device already shows is not sent
// again: a stream of unchanged frames costs the device's link, the sender and the wake-ups of
// everything on the way, and shows nothing new. It does go out again when the channel dropped
// light packets since it was sent (a configuration transfer pushed them aside, so the device
// may show part of an older picture), and after a while in any case, so a device that lost a
// frame some other way catches up. Thread-safe: frames are built on one thread while device
// work may forget.

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace ilmo::device {

class FrameFilter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kRepeatAfter{500};

    // True when `frame` should go out at `now`; it then counts as what the device shows.
    // `dropped_light_packets` is the channel's running count of light packets it dropped.
    bool wanted(std::span<const uint8_t> frame, uint64_t dropped_light_packets,
                Clock::time_point now);
    // What the device shows is no longer known (it was attached again, its lighting was
    // written, or the host stopped making its frames): the next frame goes out.
    void forget();

private:
    std::mutex mutex_;
    std::vector<uint8_t> shown_;
    std::optional<Clock::time_point> sent_at_;  // nothing while what is shown is unknown
    uint64_t dropped_light_packets_ = 0;
};

}  // namespace ilmo::device
