#pragma once
// One connection to the sound server that records the default output's monitor source (the
// loopback of what is played) as 16-bit PCM, until it is told to stop, the connection or
// stream fails, the stream is not running within its time limit, or the default output
// becomes another one. It runs on the calling thread, asleep in libpulse's main loop between
// packets; wake() may be called from any thread.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "capture/PlaybackCaptureEvent.h"

namespace ilmo::capture {

enum class StreamEnd { stop_requested, failed, output_changed };

class MonitorStream {
public:
    // `server` as libpulse takes it ("unix:/path/native"); empty for the usual server.
    // `on_running` is called once the stream delivers, after the listener heard of it.
    MonitorStream(std::string server, IPlaybackCaptureEvent& listener,
                  std::function<void()> on_running);
    ~MonitorStream();
    MonitorStream(const MonitorStream&) = delete;
    MonitorStream& operator=(const MonitorStream&) = delete;

    // Runs until one of the ends; checks `stop` each time the loop wakes. A server that takes
    // the connection but never answers would hold the loop for as long as libpulse waits:
    // a stream not running after `running_limit` counts as failed.
    StreamEnd run(const std::atomic<bool>& stop, std::chrono::milliseconds running_limit);
    // Makes run() look at its stop flag now. Safe from any thread.
    void wake();
    // Whether the stream got as far as delivering (the listener heard started()).
    bool ran() const;

    struct Loop;

private:
    std::unique_ptr<Loop> loop_;
};

}  // namespace ilmo::capture
