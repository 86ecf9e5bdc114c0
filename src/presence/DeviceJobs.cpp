#include "presence/DeviceJobs.h"

namespace ilmo::presence {

ThreadedDeviceJobs::ThreadedDeviceJobs(Post post) : post_(std::move(post)) {}

ThreadedDeviceJobs::~ThreadedDeviceJobs() { stop(); }

void ThreadedDeviceJobs::run(Task work, Task done) {
    std::lock_guard lock(mutex_);
    if (stopped_) return;
    reap();
    auto ended = std::make_shared<bool>(false);
    std::thread thread([this, work = std::move(work), done = std::move(done), ended] {
        work();
        std::lock_guard lock(mutex_);
        // Posting under the lock: once stop() has set the flag, nothing reaches the UI.
        if (!stopped_) post_(done);
        *ended = true;
    });
    jobs_.push_back({std::move(thread), std::move(ended)});
}

void ThreadedDeviceJobs::reap() {
    std::erase_if(jobs_, [](Job& job) {
        if (!*job.ended) return false;
        job.thread.join();
        return true;
    });
}

void ThreadedDeviceJobs::stop() {
    std::vector<Job> running;
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        running = std::move(jobs_);
        jobs_.clear();
    }
    for (Job& job : running) job.thread.join();
}

}  // namespace ilmo::presence
