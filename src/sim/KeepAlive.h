#pragma once
// The keyboards and the mouse-pad report a keep-alive event while they sit idle. This sends
// it on a period from a thread of its own, to every plugged product of those devices whose
// link is up; the host's readers see it arrive among everything else on the node. Off in
// tests unless one asks for it; the demo turns it on.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "sim/SimBus.h"

namespace ilmo::sim {

class KeepAlive {
public:
    // period_ms <= 0 sends nothing.
    KeepAlive(std::shared_ptr<SimBus> bus, int period_ms);
    // Stops at once, also in the middle of a period.
    ~KeepAlive();

    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    void run();

    std::shared_ptr<SimBus> bus_;
    const std::chrono::milliseconds period_;
    std::mutex mutex_;
    std::condition_variable stop_changed_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace ilmo::sim
