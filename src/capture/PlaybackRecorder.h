#pragma once
// Records what the computer plays (the default output's loopback) on a capture thread of its
// own and reports it to a listener. The thread reconnects by itself when the stream fails or
// the default output changes, after a pause that grows with each failure, for as long as the
// listener asks it to.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "capture/PlaybackCaptureEvent.h"

namespace ilmo::capture {

class MonitorStream;

struct RecorderOptions {
    std::string server;  // as libpulse takes it; empty for the usual sound server
    // The longest start() waits for the first stream: the caller is a window's thread.
    std::chrono::milliseconds start_timeout{3000};
};

class PlaybackRecorder {
public:
    explicit PlaybackRecorder(RecorderOptions options = {});
    ~PlaybackRecorder();
    PlaybackRecorder(const PlaybackRecorder&) = delete;
    PlaybackRecorder& operator=(const PlaybackRecorder&) = delete;

    // Keeps the listener for the next start; true when already initialised.
    bool initialise(IPlaybackCaptureEvent& listener);
    // True once a stream runs (the listener has heard started()), or at once when the
    // thread runs already. False when not initialised, when the first attempt fails (the
    // thread then ends), or when no stream runs within the start time-out (then stopped).
    bool start();
    // Ends capture: the thread is joined before stop() returns, so the listener hears
    // nothing afterwards; the recorder is then no longer initialised. Called from inside a
    // listener call, it only asks the thread to end (it is joined by the next start or
    // stop, or the destructor).
    void stop();
    // True while the capture thread is alive.
    bool running() const;

private:
    void capture_thread(IPlaybackCaptureEvent& listener);
    // One stream from connection to its end; whether it ran.
    bool capture_once(IPlaybackCaptureEvent& listener);
    // False when stop was asked for during the pause.
    bool pause_unless_stopped(std::chrono::milliseconds pause);
    void join_ended_thread();

    const RecorderOptions options_;
    IPlaybackCaptureEvent* listener_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_requested_{false};

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool stream_running_ = false;  // the current start's stream has started
    bool thread_ended_ = true;
    MonitorStream* current_ = nullptr;  // to wake it for a stop
};

}  // namespace ilmo::capture
