#pragma once
// Records what the computer plays (the default output's loopback) on a capture thread of its
// own and reports it to a listener. The thread reconnects by itself when the stream fails, the
// default output changes or no sound server answers yet, after a pause that grows with each
// failure, for as long as the listener asks it to.

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
    // The longest any attempt waits for its stream before it counts as failed, and so about
    // the longest start() waits (its caller may be a window's thread).
    std::chrono::milliseconds start_timeout{3000};
};

// start() and stop() may be called from different threads: a stop ends a start's wait.
class PlaybackRecorder {
public:
    explicit PlaybackRecorder(RecorderOptions options = {});
    ~PlaybackRecorder();
    PlaybackRecorder(const PlaybackRecorder&) = delete;
    PlaybackRecorder& operator=(const PlaybackRecorder&) = delete;

    // Keeps the listener for the next start; true when already initialised.
    bool initialise(IPlaybackCaptureEvent& listener);
    // True once a stream runs (the listener has heard started()), or at once when the
    // thread runs already. False when not initialised, when stopped meanwhile, or when the
    // first attempt fails or has no running stream within the start time-out: the listener
    // is then asked, as after any failure, whether the thread should keep trying.
    bool start();
    // Ends capture, a start in progress included: the thread is joined before stop()
    // returns, so the listener hears nothing afterwards; the recorder is then no longer
    // initialised. Called from inside a listener call, it only asks the thread to end (it is
    // joined by the next start or stop, or the destructor).
    void stop();
    // True while the capture thread is alive, trying to connect included.
    bool running() const;
    // True while a stream runs and delivers.
    bool streaming() const;

private:
    void capture_thread(IPlaybackCaptureEvent& listener);
    // One stream from connection to its end; whether it ran.
    bool capture_once(IPlaybackCaptureEvent& listener);
    // False when stop was asked for during the pause.
    bool pause_unless_stopped(std::chrono::milliseconds pause);
    void mark_retrying();

    const RecorderOptions options_;
    // Held while a thread is started or joined, never while waiting for a stream, so a stop
    // can always reach a start that waits.
    std::mutex thread_mutex_;
    std::thread thread_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    IPlaybackCaptureEvent* listener_ = nullptr;
    std::thread::id capture_thread_id_;
    std::atomic<bool> stop_requested_{false};  // written under mutex_, read by the stream loop
    bool started_ = false;                     // a stream of this start has run
    bool streaming_ = false;                   // a stream runs now
    bool retrying_ = false;  // an attempt of this start failed and the thread tries again
    bool thread_ended_ = true;
    MonitorStream* current_ = nullptr;  // to wake it for a stop
};

}  // namespace ilmo::capture
