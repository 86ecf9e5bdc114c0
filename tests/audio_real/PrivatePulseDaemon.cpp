#include "audio_real/PrivatePulseDaemon.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace ilmo::audio::testing {
namespace {

bool accepts_connections(const std::string& socket_path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof address.sun_path - 1);
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

[[noreturn]] void run_daemon(const std::string& folder) {
    // A test that dies takes its daemon along instead of leaving it running.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // Its own runtime, state and home folders: nothing of the user's (or root's) is read.
    setenv("PULSE_RUNTIME_PATH", (folder + "/runtime").c_str(), 1);
    setenv("PULSE_STATE_PATH", (folder + "/state").c_str(), 1);
    setenv("HOME", folder.c_str(), 1);
    unsetenv("PULSE_SERVER");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    const int log = open((folder + "/daemon.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (log >= 0) {
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
    }
    const std::string native =
        "module-native-protocol-unix auth-anonymous=1 socket=" + folder + "/native";
    const std::string sink = std::string("module-null-sink sink_name=") + kHeadsetSinkName +
                             " sink_properties='device.vendor.id=0c76 device.product.id=1630'";
    // -n: no default script, so only these modules run (no always-sink, no hardware).
    execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1",
           "--use-pid-file=no", "--disable-shm=yes", "--realtime=no", "--high-priority=no",
           "--log-target=stderr", "-L", native.c_str(), "-L", sink.c_str(),
           static_cast<char*>(nullptr));
    std::fprintf(stderr, "cannot run pulseaudio: %s\n", std::strerror(errno));
    _exit(127);
}

}  // namespace

PrivatePulseDaemon::~PrivatePulseDaemon() {
    stop();
}

bool PrivatePulseDaemon::start() {
    char name[] = "/tmp/ilmo-pulse-XXXXXX";
    if (!mkdtemp(name)) {
        why_ = "no temporary folder";
        return false;
    }
    folder_ = name;
    if (start_again()) return true;
    stop();
    return false;
}

bool PrivatePulseDaemon::start_again() {
    kill_now();
    pid_ = fork();
    if (pid_ == 0) run_daemon(folder_);
    if (pid_ < 0) {
        why_ = "fork failed";
        return false;
    }
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(20);
    while (steady_clock::now() < deadline) {
        if (accepts_connections(folder_ + "/native")) return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(milliseconds(50));
    }
    std::ifstream log(folder_ + "/daemon.log");
    why_ = "pulseaudio did not come up: " + std::string(std::istreambuf_iterator<char>(log), {});
    kill_now();
    return false;
}

void PrivatePulseDaemon::kill_now() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

void PrivatePulseDaemon::stop() {
    kill_now();
    if (!folder_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
        folder_.clear();
    }
}

}  // namespace ilmo::audio::testing
