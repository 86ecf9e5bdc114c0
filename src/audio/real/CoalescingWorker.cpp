#include "audio/real/CoalescingWorker.h"

#include <algorithm>

namespace ilmo::audio {

CoalescingWorker::CoalescingWorker(std::function<void()> action, std::chrono::milliseconds quiet,
                                   std::chrono::milliseconds longest)
    : action_(std::move(action)), quiet_(quiet), longest_(longest), thread_([this] { run(); }) {}

CoalescingWorker::~CoalescingWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
    flush();
}

void CoalescingWorker::request() {
    {
        std::lock_guard lock(mutex_);
        const auto now = Clock::now();
        if (!pending_) first_request_ = now;
        pending_ = true;
        last_request_ = now;
    }
    changed_.notify_all();
}

void CoalescingWorker::flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !running_; });
    if (pending_) serve(lock);
}

void CoalescingWorker::serve(std::unique_lock<std::mutex>& lock) {
    pending_ = false;
    running_ = true;
    lock.unlock();
    action_();
    lock.lock();
    running_ = false;
    changed_.notify_all();
}

void CoalescingWorker::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || (pending_ && !running_); });
        if (stopping_) return;  // the destructor serves what is left
        const auto due = std::min(last_request_ + quiet_, first_request_ + longest_);
        if (Clock::now() < due) {
            // A new request moves the time on; a flush or the end wakes this early.
            changed_.wait_until(lock, due);
            continue;
        }
        serve(lock);
    }
}

}  // namespace ilmo::audio
