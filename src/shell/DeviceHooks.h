#pragma once
// What a device page asks of the main window for its device: running device work off the UI
// thread, its own timers on its selector item, and host frames again.

#include <functional>

#include "device/CommandResult.h"
#include "device/DeviceView.h"

namespace ilmo::shell {

struct DeviceHooks {
    // `work` runs as the page's device work; `apply` on the UI thread, only while the page
    // is still connected as it was when the work began.
    std::function<void(std::function<device::Result()> work,
                       std::function<void(device::Result)> apply)>
        run_device_work;
    std::function<void(device::PageTimer timer, int delay_ms)> start_page_timer;
    // The device entered a mode whose frames the host makes.
    std::function<void()> resume_frames;
};

}  // namespace ilmo::shell
