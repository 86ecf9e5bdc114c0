#pragma once
// The system calls made on device nodes, behind one seam: tests stand in for them to stage
// what real nodes do only at the worst moment (a refused open, a node that is always
// writable yet takes nothing, a wait cut short by a signal).

#include <poll.h>
#include <sys/types.h>

#include <cstddef>
#include <memory>

namespace ilmo::platform {

class NodeCalls {
public:
    virtual ~NodeCalls() = default;

    // As the system calls of the same names: -1 with errno set on failure.
    virtual int open(const char* path, int flags) const;
    virtual ssize_t read(int fd, void* buffer, size_t size) const;
    virtual ssize_t write(int fd, const void* buffer, size_t size) const;
    virtual int poll(pollfd* fds, nfds_t count, int timeout_ms) const;
};

// The operating system's own calls.
std::shared_ptr<const NodeCalls> system_node_calls();

}  // namespace ilmo::platform
