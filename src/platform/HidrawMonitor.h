#pragma once
// Sleeps until a hidraw node appears or vanishes, a wake-up comes or a time-out passes.

#include "platform/ChangeMonitor.h"
#include "platform/UdevPtr.h"
#include "platform/UniqueFd.h"

namespace ilmo::platform {

class HidrawMonitor : public ChangeMonitor {
public:
    HidrawMonitor();

    void wait(int timeout_ms) override;
    void wake() override;

private:
    void start_monitor();
    void drain_monitor();

    UniqueFd wake_fd_;
    UdevPtr context_;
    UdevMonitorPtr monitor_;
    bool monitor_tried_ = false;
};

}  // namespace ilmo::platform
