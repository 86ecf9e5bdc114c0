#include "platform/AccessDeniedNotice.h"

#include <cstdio>

namespace ilmo::platform {

AccessNoticeSink stderr_notice_sink() {
    return [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); };
}

AccessDeniedNotice::AccessDeniedNotice(AccessNoticeSink sink) : sink_(std::move(sink)) {}

void AccessDeniedNotice::report(std::string_view devnode, uint16_t vendor_id, uint16_t product_id) {
    {
        const std::lock_guard lock(mutex_);
        if (!reported_nodes_.emplace(devnode).second) return;
    }
    // Outside the lock: a sink that hands the text to another thread and waits must not
    // hold up a second thread that meets a refusal meanwhile.
    if (sink_) sink_(message(devnode, vendor_id, product_id));
}

std::string AccessDeniedNotice::message(std::string_view devnode, uint16_t vendor_id,
                                        uint16_t product_id) {
    char ids[16];
    std::snprintf(ids, sizeof ids, "%04x:%04x", vendor_id, product_id);
    return "No permission to open " + std::string(devnode) + " (device " + ids +
           "). Install the udev rules that come with ILMO RQ07 as "
           "/etc/udev/rules.d/70-ilmo-rq07.rules, run "
           "`sudo udevadm control --reload && sudo udevadm trigger` and reconnect the device.";
}

}  // namespace ilmo::platform
