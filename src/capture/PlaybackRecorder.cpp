#include "capture/PlaybackRecorder.h"

#include <functional>
#include <utility>

#include "capture/CaptureTiming.h"
#include "capture/MonitorStream.h"

namespace ilmo::capture {

PlaybackRecorder::PlaybackRecorder(RecorderOptions options) : options_(std::move(options)) {}

PlaybackRecorder::~PlaybackRecorder() {
    stop();
    join_ended_thread();
}

bool PlaybackRecorder::initialise(IPlaybackCaptureEvent& listener) {
    if (!listener_) listener_ = &listener;
    return true;
}

bool PlaybackRecorder::running() const {
    std::lock_guard lock(mutex_);
    return !thread_ended_;
}

bool PlaybackRecorder::start() {
    if (!listener_) return false;
    // A thread asked to stop (from inside a listener call) is ending, not running.
    if (running() && !stop_requested_) return true;
    join_ended_thread();
    {
        std::lock_guard lock(mutex_);
        stream_running_ = false;
        thread_ended_ = false;
    }
    stop_requested_ = false;
    thread_ = std::thread(&PlaybackRecorder::capture_thread, this, std::ref(*listener_));
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, options_.start_timeout,
                      [this] { return stream_running_ || thread_ended_; });
    if (stream_running_) return true;
    lock.unlock();
    stop();
    return false;
}

void PlaybackRecorder::stop() {
    stop_requested_ = true;
    {
        std::lock_guard lock(mutex_);
        if (current_) current_->wake();
        changed_.notify_all();
    }
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
    listener_ = nullptr;
}

void PlaybackRecorder::join_ended_thread() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void PlaybackRecorder::capture_thread(IPlaybackCaptureEvent& listener) {
    RestartBackoff backoff;
    for (bool first = true;; first = false) {
        const bool ran = capture_once(listener);
        if (ran) {
            listener.stopped();
            backoff.reset();
        }
        // A first attempt that never ran is start()'s failure; later ones are retried.
        if (stop_requested_ || (first && !ran)) break;
        if (!listener.failed_or_changed()) break;
        if (!pause_unless_stopped(backoff.next())) break;
    }
    std::lock_guard lock(mutex_);
    thread_ended_ = true;
    changed_.notify_all();
}

bool PlaybackRecorder::capture_once(IPlaybackCaptureEvent& listener) {
    MonitorStream stream(options_.server, listener, [this] {
        std::lock_guard lock(mutex_);
        stream_running_ = true;
        changed_.notify_all();
    });
    {
        std::lock_guard lock(mutex_);
        current_ = &stream;
    }
    stream.run(stop_requested_);
    std::lock_guard lock(mutex_);
    current_ = nullptr;
    return stream.ran();
}

bool PlaybackRecorder::pause_unless_stopped(std::chrono::milliseconds pause) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, pause, [this] { return stop_requested_.load(); });
    return !stop_requested_;
}

}  // namespace ilmo::capture
