#pragma once
// A PulseAudio daemon of the test's own, in a fresh temporary folder: no system or user
// configuration, a socket in that folder, and one null sink that carries the headset's USB
// identity, so the library takes it for the headset. Works as root (CI) as well.

#include <sys/types.h>
#include <string>

namespace ilmo::audio::testing {

inline constexpr const char* kHeadsetSinkName = "headset_out";

class PrivatePulseDaemon {
public:
    PrivatePulseDaemon() = default;
    ~PrivatePulseDaemon();
    PrivatePulseDaemon(const PrivatePulseDaemon&) = delete;
    PrivatePulseDaemon& operator=(const PrivatePulseDaemon&) = delete;

    // False when the daemon does not come up; why() then says why (with its own output).
    bool start();
    // Ends the daemon, as a sound server that crashed; start_again() starts a new one on
    // the same socket, as a restarted sound server.
    void kill_now();
    bool start_again();
    // For PULSE_SERVER.
    std::string server() const { return "unix:" + folder_ + "/native"; }
    const std::string& why() const { return why_; }

private:
    void stop();

    std::string folder_;
    std::string why_;
    pid_t pid_ = -1;
};

}  // namespace ilmo::audio::testing
