#pragma once
// Sleeps until a hidraw node appears or vanishes, a wake-up comes or a time-out passes.

#include "platform/UdevPtr.h"
#include "platform/UniqueFd.h"

namespace ilmo::platform {

class HidrawMonitor {
public:
    HidrawMonitor();

    // Called by one scanning thread at a time.
    void wait(int timeout_ms);
    // Safe from any thread; a wake-up with nobody waiting ends the next wait.
    void wake();

private:
    void start_monitor();
    void drain_monitor();

    UniqueFd wake_fd_;
    UdevPtr context_;
    UdevMonitorPtr monitor_;
    bool monitor_tried_ = false;
};

}  // namespace ilmo::platform
