#include "device/StopEvent.h"

#include <chrono>

namespace ilmo::device {

void StopEvent::set() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void StopEvent::reset() {
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool StopEvent::is_set() const {
    std::lock_guard lock(mutex_);
    return set_;
}

bool StopEvent::wait_for(int timeout_ms) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [this] { return set_; });
}

}  // namespace ilmo::device
