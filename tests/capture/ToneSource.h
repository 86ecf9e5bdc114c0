#pragma once
// Plays a steady sine into one sink of a sound server, on a thread of its own, until it is
// destroyed or the server goes away.

#include <atomic>
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
    ToneSource(std::string server, std::string sink, double frequency_hz);
    ~ToneSource();
    ToneSource(const ToneSource&) = delete;
    ToneSource& operator=(const ToneSource&) = delete;

private:
    void play();

    const std::string server_;
    const std::string sink_;
    const double frequency_hz_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace ilmo::capture::testing
