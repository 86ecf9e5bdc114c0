#include "platform/HidrawBackend.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>

#include <cerrno>

#include "platform/HidrawHandle.h"
#include "platform/HidrawMonitor.h"

namespace ilmo::platform {

namespace {

int open_flags(const device::OpenOptions& options) {
    int access = O_RDONLY;
    if (options.want_write) access = options.want_read ? O_RDWR : O_WRONLY;
    return access | O_NONBLOCK | O_CLOEXEC;
}

// Sharing as the options ask: an exclusive opener leaves others only reading, so it shuts
// out every other writer; a plain writer shuts out exclusive openers only. Advisory, so it
// binds the programs that follow it, which is every instance of this one.
bool lock_node(int fd, const device::OpenOptions& options) {
    if (options.exclusive) return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (options.want_write) return ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    return true;
}

bool same_path(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

HidrawSystem with_defaults(HidrawSystem system) {
    if (!system.calls) system.calls = system_node_calls();
    if (!system.monitor) system.monitor = std::make_unique<HidrawMonitor>();
    return system;
}

}  // namespace

HidrawBackend::HidrawBackend(AccessNoticeSink notices)
    : HidrawBackend(HidrawSystem{}, std::move(notices)) {}

HidrawBackend::HidrawBackend(HidrawSystem system, AccessNoticeSink notices)
    : system_(with_defaults(std::move(system))), access_denied_(std::move(notices)) {}

bool HidrawBackend::enumerate(std::vector<std::string>& paths) {
    std::vector<device::UnusableInterface> unusable;
    return enumerate_all(paths, unusable);
}

bool HidrawBackend::enumerate_all(std::vector<std::string>& paths,
                                  std::vector<device::UnusableInterface>& unusable) {
    paths.clear();
    unusable.clear();
    const auto nodes = read_hidraw_nodes(system_.roots);
    if (!nodes) return false;
    for (const HidrawNodeInfo& node : *nodes) {
        const auto descriptor = node.report_descriptor
                                    ? device::parse_report_descriptor(*node.report_descriptor)
                                    : std::nullopt;
        if (!descriptor) {
            // Without its collections the node has no path of its own; it is named by the
            // node and identity alone so a listing can still show it.
            unusable.push_back({format_hidraw_path(node.devnode, node.identity, 0, 1),
                                node.report_descriptor ? "its report descriptor does not parse"
                                                       : "its report descriptor cannot be read"});
            continue;
        }
        const size_t count = descriptor->collections.size();
        for (size_t index = 0; index < count; ++index) {
            paths.push_back(format_hidraw_path(node.devnode, node.identity, index, count));
        }
    }
    return true;
}

std::unique_ptr<device::HidHandle> HidrawBackend::open(const std::string& path,
                                                       const device::OpenOptions& options) {
    const std::string devnode(hidraw_node_of(path));
    // Asking for neither reading nor writing is a probe of identity and usage, which sysfs
    // answers without the node: it works even where the user may not open the device.
    const bool probe = !options.want_read && !options.want_write;
    UniqueFd fd(probe ? -1 : system_.calls->open(devnode.c_str(), open_flags(options)));
    const int open_error = errno;
    // Read sysfs after opening: a node number taken over by another device since the path
    // was listed then shows the new device's identity, and the open is refused.
    const auto node = read_hidraw_node(system_.roots, devnode, WithDescriptor::Yes);
    if (!node || !node->report_descriptor) return nullptr;
    const device::PathIdentity wanted = device::parse_path_identity(path);
    if (!identity_matches(wanted, node->identity)) return nullptr;
    if (!probe && !fd.valid()) {
        if (open_error == EACCES || open_error == EPERM) {
            access_denied_.report(devnode, node->identity.vendor_id, node->identity.product_id);
        }
        return nullptr;
    }
    const auto descriptor = device::parse_report_descriptor(*node->report_descriptor);
    if (!descriptor) return nullptr;
    const size_t count = descriptor->collections.size();
    const auto index = collection_index_of(wanted, count);
    if (!index || !same_path(path, format_hidraw_path(devnode, node->identity, *index, count))) {
        return nullptr;
    }
    if (!probe && !lock_node(fd.get(), options)) return nullptr;

    const device::HidAttributes attributes{node->identity.vendor_id, node->identity.product_id,
                                           node->release_number};
    auto handle = std::make_unique<HidrawHandle>(std::move(fd), attributes,
                                                 descriptor->collections[*index], system_.calls);
    if (!handle->valid()) return nullptr;
    return handle;
}

bool HidrawBackend::present(const std::string& path) {
    const auto node =
        read_hidraw_node(system_.roots, std::string(hidraw_node_of(path)), WithDescriptor::No);
    return node && identity_matches(device::parse_path_identity(path), node->identity);
}

void HidrawBackend::wait_for_change(int timeout_ms) {
    system_.monitor->wait(timeout_ms);
}

void HidrawBackend::wake() {
    system_.monitor->wake();
}

}  // namespace ilmo::platform
