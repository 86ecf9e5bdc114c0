#include "platform/HidrawMonitor.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace ilmo::platform {

HidrawMonitor::HidrawMonitor() : wake_fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

void HidrawMonitor::start_monitor() {
    // Made on first use, so a program that never scans opens no netlink socket.
    monitor_tried_ = true;
    context_.reset(udev_new());
    if (!context_) return;
    UdevMonitorPtr monitor(udev_monitor_new_from_netlink(context_.get(), "udev"));
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        return;
    }
    monitor_ = std::move(monitor);
}

void HidrawMonitor::drain_monitor() {
    while (UdevDevicePtr(udev_monitor_receive_device(monitor_.get()))) {
    }
}

void HidrawMonitor::wait(int timeout_ms) {
    if (!monitor_tried_) start_monitor();
    // Without a monitor the wait is a plain sleep that wake() can still cut short.
    pollfd fds[2] = {{wake_fd_.get(), POLLIN, 0},
                     {monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1, POLLIN, 0}};
    if (::poll(fds, 2, timeout_ms) <= 0) return;
    if (fds[0].revents != 0) {
        uint64_t count = 0;
        [[maybe_unused]] const auto got = ::read(wake_fd_.get(), &count, sizeof count);
    }
    if (fds[1].revents != 0) drain_monitor();
}

void HidrawMonitor::wake() {
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wake_fd_.get(), &one, sizeof one);
}

}  // namespace ilmo::platform
