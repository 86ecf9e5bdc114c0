#pragma once
// A manual-reset event: once set it stays set, and every waiter sees it, until reset.
// Workers poll it between steps and wait on it instead of sleeping.

#include <condition_variable>
#include <mutex>

namespace ilmo::device {

class StopEvent {
public:
    void set();
    void reset();
    bool is_set() const;
    // True when the event is set, at once or within timeout_ms.
    bool wait_for(int timeout_ms) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool set_ = false;
};

}  // namespace ilmo::device
