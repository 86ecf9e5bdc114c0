#pragma once
// Runs one action on a thread of its own once requests for it have stopped coming: a quiet
// period after the last request, or at the latest a while after the first one of a burst
// (so a steady stream of requests is still served). Many requests in a row cost one run.
// The thread sleeps while nothing is asked of it.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace ilmo::audio {

class CoalescingWorker {
public:
    CoalescingWorker(std::function<void()> action, std::chrono::milliseconds quiet,
                     std::chrono::milliseconds longest);
    // Runs a pending action, then ends the thread.
    ~CoalescingWorker();
    CoalescingWorker(const CoalescingWorker&) = delete;
    CoalescingWorker& operator=(const CoalescingWorker&) = delete;

    void request();
    // Runs a pending action now, on the calling thread, after one already running has ended;
    // on return every earlier request has been served.
    void flush();

private:
    using Clock = std::chrono::steady_clock;
    void run();
    // With the lock held and a request pending: runs the action without the lock.
    void serve(std::unique_lock<std::mutex>& lock);

    const std::function<void()> action_;
    const std::chrono::milliseconds quiet_;
    const std::chrono::milliseconds longest_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool pending_ = false;
    bool running_ = false;
    bool stopping_ = false;
    Clock::time_point first_request_;
    Clock::time_point last_request_;
    std::thread thread_;  // last: starts once everything above is in place
};

}  // namespace ilmo::audio
