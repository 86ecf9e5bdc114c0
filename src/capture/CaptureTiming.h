#pragma once
// The capture's small timing rules: how much audio one packet carries, the period reported
// to the listener, the pause before reconnecting, and when silence prompts a device check.

#include <chrono>
#include <cstdint>

#include "capture/CaptureFormat.h"

namespace ilmo::capture {

// Short packets keep the lighting close to the sound.
inline constexpr std::chrono::milliseconds kPacketLength{10};

// Whole frames for `length` of audio, at least one frame.
uint32_t fragment_bytes(const CaptureFormat& format, std::chrono::milliseconds length);

// The packet period in whole milliseconds, never below 1 ms: a zero period would read as
// "no repetition" to whoever arms a timer with it.
int period_ms(const CaptureFormat& format, uint32_t fragment_size_bytes);

// The pause before the next attempt to capture: 100 ms, doubling after each failure up to
// 5 s, back to 100 ms once a stream has run.
class RestartBackoff {
public:
    static constexpr std::chrono::milliseconds kFirst{100};
    static constexpr std::chrono::milliseconds kLongest{5000};

    std::chrono::milliseconds next();
    void reset() { next_ = kFirst; }

private:
    std::chrono::milliseconds next_ = kFirst;
};

// Counts packets that carry no sound. The 32nd one since the last check asks for a check that
// the captured output is still the default one; the count then starts again.
class EmptyPacketCounter {
public:
    static constexpr int kCheckAfter = 32;

    // True when this empty packet is the one that should check the device.
    bool count_empty();

private:
    int count_ = 0;
};

}  // namespace ilmo::capture
