#include "platform/NodeCalls.h"

#include <fcntl.h>
#include <unistd.h>

namespace ilmo::platform {

int NodeCalls::open(const char* path, int flags) const {
    return ::open(path, flags);
}

ssize_t NodeCalls::read(int fd, void* buffer, size_t size) const {
    return ::read(fd, buffer, size);
}

ssize_t NodeCalls::write(int fd, const void* buffer, size_t size) const {
    return ::write(fd, buffer, size);
}

int NodeCalls::poll(pollfd* fds, nfds_t count, int timeout_ms) const {
    return ::poll(fds, count, timeout_ms);
}

std::shared_ptr<const NodeCalls> system_node_calls() {
    return std::make_shared<const NodeCalls>();
}

}  // namespace ilmo::platform
