#pragma once
// A socket that takes connections and never answers: a sound server whose handshake never
// completes.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace ilmo::capture::testing {

class MuteServer {
public:
    // `path` is the socket's file; an old one there is replaced.
    explicit MuteServer(std::string path) : path_(std::move(path)) {
        unlink(path_.c_str());
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        listening_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     listen(fd_, 4) == 0;
    }
    ~MuteServer() {
        close(fd_);
        unlink(path_.c_str());
    }
    MuteServer(const MuteServer&) = delete;
    MuteServer& operator=(const MuteServer&) = delete;

    bool listening() const { return listening_; }
    std::string server() const { return "unix:" + path_; }

private:
    std::string path_;
    int fd_ = -1;
    bool listening_ = false;
};

}  // namespace ilmo::capture::testing
