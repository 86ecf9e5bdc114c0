#pragma once
// The HID backend over Linux hidraw: one path per top-level collection of every hidraw
// node, identities from sysfs, reports through the node with poll() and an abort eventfd.

#include "device/HidBackend.h"
#include "platform/AccessDeniedNotice.h"
#include "platform/HidrawMonitor.h"

namespace ilmo::platform {

class HidrawBackend : public device::HidBackend {
public:
    bool enumerate(std::vector<std::string>& paths) override;
    std::unique_ptr<device::HidHandle> open(const std::string& path,
                                            const device::OpenOptions& options) override;
    bool present(const std::string& path) override;
    void wait_for_change(int timeout_ms) override;
    void wake() override;

private:
    AccessDeniedNotice access_denied_;
    HidrawMonitor monitor_;
};

}  // namespace ilmo::platform
