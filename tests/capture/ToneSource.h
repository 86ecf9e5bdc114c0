#pragma once
// Plays a sine into one sink of a sound server until it is destroyed or the server goes away:
// pacat plays what a thread of the test writes to it. pacat runs in a process of its own, so
// the only libpulse client inside the test is the one under test.

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace ilmo::capture::testing {

// The private server's sinks run at its default rate with two channels; the capture sees the
// channels interleaved, so one block of 1024 values spans 512 frames.
inline constexpr double kSinkRateHz = 44100;
inline constexpr int kSinkChannels = 2;

// The frequency whose tone peaks in `bin` of the captured levels.
inline double tone_hz_for_bin(int bin) {
    return bin * kSinkRateHz * kSinkChannels / 1024.0;
}

class ToneSource {
public:
    // Steady; with `pulse_ms` the tone sounds for that long, then is silent as long, in turn.
    ToneSource(std::string server, std::string sink, double frequency_hz, int pulse_ms = 0);
    ~ToneSource();
    ToneSource(const ToneSource&) = delete;
    ToneSource& operator=(const ToneSource&) = delete;

private:
    void write_tone();

    const double frequency_hz_;
    const uint64_t pulse_frames_;  // 0: steady
    pid_t player_ = -1;
    int to_player_ = -1;
    std::atomic<bool> stop_{false};
    std::thread writer_;
};

}  // namespace ilmo::capture::testing
