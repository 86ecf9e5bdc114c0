#include "capture/PlaybackRecorder.h"

#include <functional>
#include <utility>

#include "capture/CaptureTiming.h"
#include "capture/MonitorStream.h"

namespace ilmo::capture {

PlaybackRecorder::PlaybackRecorder(RecorderOptions options) : options_(std::move(options)) {}

PlaybackRecorder::~PlaybackRecorder() {
    stop();
}

bool PlaybackRecorder::initialise(IPlaybackCaptureEvent& listener) {
    std::lock_guard lock(mutex_);
    if (!listener_) listener_ = &listener;
    return true;
}

bool PlaybackRecorder::running() const {
    std::lock_guard lock(mutex_);
    return !thread_ended_;
}

bool PlaybackRecorder::streaming() const {
    std::lock_guard lock(mutex_);
    return streaming_;
}

bool PlaybackRecorder::start() {
    {
        std::lock_guard threads(thread_mutex_);
        {
            std::lock_guard lock(mutex_);
            if (!listener_) return false;
            // A thread asked to stop (from inside a listener call) is ending, not running.
            if (!thread_ended_ && !stop_requested_) return true;
            // That thread cannot wait for its own end.
            if (capture_thread_id_ == std::this_thread::get_id()) return false;
        }
        if (thread_.joinable()) thread_.join();
        std::lock_guard lock(mutex_);
        started_ = streaming_ = retrying_ = false;
        thread_ended_ = false;
        stop_requested_ = false;
        // Made under the lock, so the thread finds its id set before it calls the listener.
        thread_ = std::thread(&PlaybackRecorder::capture_thread, this, std::ref(*listener_));
        capture_thread_id_ = thread_.get_id();
    }
    // The first attempt ends itself at the start time-out, and the thread then settles at once
    // on whether to go on; the extra second only guards the caller should it be held up.
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, options_.start_timeout + std::chrono::seconds(1),
                      [this] { return started_ || retrying_ || thread_ended_ || stop_requested_; });
    return started_;
}

void PlaybackRecorder::stop() {
    {
        std::lock_guard lock(mutex_);
        if (capture_thread_id_ == std::this_thread::get_id()) {
            // Inside a listener call: the thread ends once the call returns.
            stop_requested_ = true;
            listener_ = nullptr;
            return;
        }
    }
    // A start that is making its thread finishes that first, so this stop reaches the thread.
    std::lock_guard threads(thread_mutex_);
    {
        std::lock_guard lock(mutex_);
        stop_requested_ = true;
        listener_ = nullptr;
        if (current_) current_->wake();
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    capture_thread_id_ = {};
}

void PlaybackRecorder::capture_thread(IPlaybackCaptureEvent& listener) {
    RestartBackoff backoff;
    for (;;) {
        const bool ran = capture_once(listener);
        if (ran) {
            listener.stopped();
            backoff.reset();
        }
        if (stop_requested_ || !listener.failed_or_changed()) break;
        mark_retrying();
        if (!pause_unless_stopped(backoff.next())) break;
    }
    std::lock_guard lock(mutex_);
    thread_ended_ = true;
    changed_.notify_all();
}

bool PlaybackRecorder::capture_once(IPlaybackCaptureEvent& listener) {
    MonitorStream stream(options_.server, listener, [this] {
        std::lock_guard lock(mutex_);
        started_ = streaming_ = true;
        changed_.notify_all();
    });
    {
        std::lock_guard lock(mutex_);
        current_ = &stream;
    }
    stream.run(stop_requested_, options_.start_timeout);
    std::lock_guard lock(mutex_);
    current_ = nullptr;
    streaming_ = false;
    return stream.ran();
}

void PlaybackRecorder::mark_retrying() {
    std::lock_guard lock(mutex_);
    retrying_ = true;
    changed_.notify_all();
}

bool PlaybackRecorder::pause_unless_stopped(std::chrono::milliseconds pause) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, pause, [this] { return stop_requested_.load(); });
    return !stop_requested_;
}

}  // namespace ilmo::capture
