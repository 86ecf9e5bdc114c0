#pragma once
// What sysfs knows about hidraw nodes: which exist, whose device each belongs to, and the
// report descriptor of its interface. Nothing here opens a device node. The roots are
// parameters so tests can lay out a small tree of their own.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/HidrawPath.h"

namespace ilmo::platform {

struct HidrawRoots {
    std::string sysfs = "/sys";
    std::string dev = "/dev";
};

struct HidrawNodeInfo {
    std::string devnode;  // "/dev/hidrawN"
    HidrawIdentity identity;
    uint16_t release_number = 0;  // bcdDevice; 0 for devices off the USB
    // Empty unless asked for; nullopt when it was asked for and could not be read.
    std::optional<std::vector<uint8_t>> report_descriptor;
};

enum class WithDescriptor { No, Yes };

// Every hidraw node present now whose identity can be read, each with its report
// descriptor (or the lack of one); nullopt when the list of nodes cannot be read at all.
std::optional<std::vector<HidrawNodeInfo>> read_hidraw_nodes(const HidrawRoots& roots);

// nullopt when the node is gone or its identity cannot be read.
std::optional<HidrawNodeInfo> read_hidraw_node(const HidrawRoots& roots, const std::string& devnode,
                                               WithDescriptor with_descriptor);

}  // namespace ilmo::platform
