#include "platform/AccessDeniedNotice.h"

#include <cstdio>

#include "platform/HidrawPath.h"

namespace ilmo::platform {

AccessNoticeSink stderr_notice_sink() {
    return [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); };
}

std::optional<std::string> AccessDeniedNotice::first_notice(std::string_view path,
                                                            uint16_t vendor_id,
                                                            uint16_t product_id) {
    const std::lock_guard lock(mutex_);
    if (!reported_paths_.emplace(path).second) return std::nullopt;
    return message(hidraw_node_of(path), vendor_id, product_id);
}

std::string AccessDeniedNotice::message(std::string_view devnode, uint16_t vendor_id,
                                        uint16_t product_id) {
    char ids[16];
    std::snprintf(ids, sizeof ids, "%04x:%04x", vendor_id, product_id);
    return "ilmo: no permission to open device " + std::string(ids) + " at " +
           std::string(devnode) +
           ". Install the udev rules file \"udev/70-ilmo-rq07.rules\" into /etc/udev/rules.d/, "
           "then run `udevadm control --reload && udevadm trigger` and reconnect the device.";
}

}  // namespace ilmo::platform
