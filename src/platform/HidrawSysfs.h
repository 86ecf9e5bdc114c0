#pragma once
// What sysfs knows about hidraw nodes: which exist, whose device each belongs to, and the
// report descriptor of its interface. Nothing here opens a device node.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/HidrawPath.h"

namespace ilmo::platform {

struct HidrawNodeInfo {
    std::string devnode;  // "/dev/hidrawN"
    HidrawIdentity identity;
    uint16_t release_number = 0;             // bcdDevice; 0 for devices off the USB
    std::vector<uint8_t> report_descriptor;  // empty unless asked for
};

enum class WithDescriptor { No, Yes };

// Every hidraw node present now whose sysfs data can be read, with its report descriptor;
// nullopt when udev cannot be asked at all.
std::optional<std::vector<HidrawNodeInfo>> read_hidraw_nodes();

// nullopt when the node is gone or its sysfs data cannot be read.
std::optional<HidrawNodeInfo> read_hidraw_node(const std::string& devnode,
                                               WithDescriptor with_descriptor);

}  // namespace ilmo::platform
