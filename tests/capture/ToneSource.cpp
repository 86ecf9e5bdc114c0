#include "capture/ToneSource.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace ilmo::capture::testing {

ToneSource::ToneSource(std::string server, std::string sink, double frequency_hz, int pulse_ms)
    : frequency_hz_(frequency_hz),
      pulse_frames_(pulse_ms > 0 ? static_cast<uint64_t>(kSinkRateHz * pulse_ms / 1000) : 0) {
    // A socket rather than a pipe: a write to a player that has gone fails instead of
    // raising SIGPIPE in the test.
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;
    const std::string server_option = "--server=" + server;
    const std::string device_option = "--device=" + sink;
    const std::string rate_option = "--rate=" + std::to_string(static_cast<int>(kSinkRateHz));
    const std::string channels_option = "--channels=" + std::to_string(kSinkChannels);
    player_ = fork();
    if (player_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(ends[1], STDIN_FILENO);
        execlp("pacat", "pacat", "--playback", "--raw", "--format=s16le", rate_option.c_str(),
               channels_option.c_str(), server_option.c_str(), device_option.c_str(),
               "--latency-msec=40", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    to_player_ = ends[0];
    if (player_ > 0) writer_ = std::thread(&ToneSource::write_tone, this);
}

ToneSource::~ToneSource() {
    stop_ = true;
    if (player_ > 0) kill(player_, SIGTERM);  // a writer blocked on it then fails at once
    if (writer_.joinable()) writer_.join();
    if (to_player_ >= 0) close(to_player_);
    if (player_ > 0) waitpid(player_, nullptr, 0);
}

void ToneSource::write_tone() {
    // Quiet enough that the peak stays below the level limit (amplitude × 16).
    constexpr double kAmplitude = 300;
    std::vector<int16_t> chunk(441 * kSinkChannels);
    for (uint64_t frame = 0; !stop_;) {
        for (size_t i = 0; i < chunk.size(); i += kSinkChannels, ++frame) {
            const double phase = 2 * std::numbers::pi * frequency_hz_ * frame / kSinkRateHz;
            const bool silent = pulse_frames_ > 0 && (frame / pulse_frames_) % 2 == 1;
            const auto value = static_cast<int16_t>(
                silent ? 0 : std::lround(kAmplitude * std::sin(phase)));
            for (int channel = 0; channel < kSinkChannels; ++channel) chunk[i + channel] = value;
        }
        const auto* bytes = reinterpret_cast<const char*>(chunk.data());
        for (size_t sent = 0, size = chunk.size() * sizeof chunk[0]; sent < size;) {
            const ssize_t now = send(to_player_, bytes + sent, size - sent, MSG_NOSIGNAL);
            if (now <= 0) return;
            sent += static_cast<size_t>(now);
        }
    }
}

}  // namespace ilmo::capture::testing
