#include "device/FrameFilter.h"

#include <algorithm>

namespace ilmo::device {

bool FrameFilter::wanted(std::span<const uint8_t> frame, uint64_t dropped_light_packets,
                         Clock::time_point now) {
    std::lock_guard lock(mutex_);
    const bool shown = sent_at_ && now - *sent_at_ < kRepeatAfter &&
                       dropped_light_packets == dropped_light_packets_ &&
                       std::ranges::equal(frame, shown_);
    if (shown) return false;
    shown_.assign(frame.begin(), frame.end());
    sent_at_ = now;
    dropped_light_packets_ = dropped_light_packets;
    return true;
}

void FrameFilter::forget() {
    std::lock_guard lock(mutex_);
    sent_at_.reset();
}

}  // namespace ilmo::device
