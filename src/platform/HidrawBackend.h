#pragma once
// The HID backend over Linux hidraw: one path per top-level collection of every hidraw
// node, identities from sysfs, reports through the node with poll() and an abort eventfd.

#include <memory>

#include "device/HidBackend.h"
#include "platform/AccessDeniedNotice.h"
#include "platform/ChangeMonitor.h"
#include "platform/HidrawSysfs.h"
#include "platform/NodeCalls.h"

namespace ilmo::platform {

// Where the backend finds the nodes and how it reaches them; tests point it at a tree of
// their own.
struct HidrawSystem {
    HidrawRoots roots;
    std::shared_ptr<const NodeCalls> calls = system_node_calls();
    std::unique_ptr<ChangeMonitor> monitor;  // none: a udev monitor
};

class HidrawBackend : public device::HidBackend {
public:
    // `notices` hears once per node the user may not open.
    explicit HidrawBackend(AccessNoticeSink notices = stderr_notice_sink());
    HidrawBackend(HidrawSystem system, AccessNoticeSink notices);

    bool enumerate(std::vector<std::string>& paths) override;
    bool enumerate_all(std::vector<std::string>& paths,
                       std::vector<device::UnusableInterface>& unusable) override;
    std::unique_ptr<device::HidHandle> open(const std::string& path,
                                            const device::OpenOptions& options) override;
    bool present(const std::string& path) override;
    void wait_for_change(int timeout_ms) override;
    void wake() override;

private:
    HidrawSystem system_;
    AccessDeniedNotice access_denied_;
};

}  // namespace ilmo::platform
