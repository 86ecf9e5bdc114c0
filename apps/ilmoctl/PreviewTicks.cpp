#include "PreviewTicks.h"

#include <chrono>

namespace ilmo::ctl {

void PreviewTicks::lights_changed() {
    {
        std::lock_guard lock(mutex_);
        ++count_;
    }
    changed_.notify_all();
}

uint64_t PreviewTicks::count() const {
    std::lock_guard lock(mutex_);
    return count_;
}

bool PreviewTicks::wait_past(uint64_t seen, int timeout_ms) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                             [&] { return count_ > seen; });
}

}  // namespace ilmo::ctl
