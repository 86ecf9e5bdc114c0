#pragma once
// The HID backend over Linux hidraw: one path per top-level collection of every hidraw
// node, identities from sysfs, reports through the node with poll() and an abort eventfd.

#include "device/HidBackend.h"
#include "platform/AccessDeniedNotice.h"
#include "platform/HidrawMonitor.h"

namespace ilmo::platform {

class HidrawBackend : public device::HidBackend {
public:
    // `notice` hears about each device node the user may not open.
    explicit HidrawBackend(AccessNoticeSink notice = stderr_notice_sink())
        : notice_(std::move(notice)) {}

    bool enumerate(std::vector<std::string>& paths) override;
    std::unique_ptr<device::HidHandle> open(const std::string& path,
                                            const device::OpenOptions& options) override;
    bool present(const std::string& path) override;
    void wait_for_change(int timeout_ms) override;
    void wake() override;

private:
    AccessNoticeSink notice_;
    AccessDeniedNotice access_denied_;
    HidrawMonitor monitor_;
};

}  // namespace ilmo::platform
