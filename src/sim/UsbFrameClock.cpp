#include "sim/UsbFrameClock.h"

#include <algorithm>

namespace ilmo::sim {

UsbFrameClock::UsbFrameClock(size_t route_count, Clock::time_point epoch)
    : epoch_(epoch), next_free_(route_count, epoch) {}

UsbFrameClock::Clock::time_point UsbFrameClock::next_boundary(Clock::time_point now) const {
    if (now < epoch_) return epoch_;
    const auto frames_passed = (now - epoch_) / kFrame;
    return epoch_ + (frames_passed + 1) * kFrame;
}

UsbFrameClock::Clock::time_point UsbFrameClock::reserve(size_t route, Clock::time_point now) {
    const auto completes = std::max(next_boundary(now), next_free_.at(route));
    next_free_.at(route) = completes + kFrame;
    return completes;
}

}  // namespace ilmo::sim
