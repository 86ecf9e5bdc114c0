#pragma once
// Sends host light frames from a thread of its own, so the UI thread that makes them never
// waits on the device: the channel's light frames, or whatever a device kind sends its frames
// as. Only the newest frame waits to be sent: a frame that was not sent before the next one
// came is replaced, never queued, and frames that meet a configuration transfer are dropped
// by the channel. A frame starts no sooner than the pace after the one before it started.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <optional>
#include <vector>

#include "device/CommandChannel.h"
#include "device/ControllerThread.h"

namespace ilmo::device {

class FrameSender {
public:
    // After a failed frame the sender pauses this long: the device is busy or going.
    static constexpr int kFailurePauseMs = 200;

    // Sends one frame; its result decides whether the sender pauses.
    using Send = std::function<Result(std::span<const uint8_t> frame)>;

    // Frames go out as the channel's light frames.
    FrameSender(CommandChannel& channel, TraceSink trace);
    FrameSender(Send send, TraceSink trace);
    ~FrameSender() { stop(); }

    // Starts the thread on the first frame.
    void post(std::vector<uint8_t> frame);
    // The fewest milliseconds from the start of one frame to the start of the next; 0 (the
    // default) sends each frame as soon as the one before it is done.
    void set_pace_ms(int pace_ms);
    void stop();

    uint64_t sent() const;
    uint64_t replaced() const;

private:
    void run(const StopEvent& stop);

    Send send_;
    ControllerThread thread_;
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::optional<std::vector<uint8_t>> pending_;
    bool stopping_ = false;
    int pace_ms_ = 0;
    uint64_t sent_ = 0;
    uint64_t replaced_ = 0;
};

}  // namespace ilmo::device
