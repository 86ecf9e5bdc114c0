#pragma once
// Device work that can keep a thread waiting for a long time (the receiver link wait, loading a
// device's state, power reads and link queries through a receiver whose device is away) runs
// through here, off the UI thread. What a job found comes back as a task for the UI thread.

#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace ilmo::presence {

class DeviceJobs {
public:
    using Task = std::function<void()>;

    virtual ~DeviceJobs() = default;
    // Runs `work` away from the UI thread; once it ended, `done` runs on the UI thread.
    virtual void run(Task work, Task done) = 0;
};

// Each job runs on a thread of its own; `post` hands `done` to the UI thread.
class ThreadedDeviceJobs final : public DeviceJobs {
public:
    using Post = std::function<void(Task)>;

    explicit ThreadedDeviceJobs(Post post);
    // Stops: waits for the running jobs.
    ~ThreadedDeviceJobs() override;
    ThreadedDeviceJobs(const ThreadedDeviceJobs&) = delete;
    ThreadedDeviceJobs& operator=(const ThreadedDeviceJobs&) = delete;

    void run(Task work, Task done) override;
    // Waits for every running job and posts nothing more; later jobs are not run. The caller
    // first closes the channels the jobs use, so their waits end at once.
    void stop();

private:
    struct Job {
        std::thread thread;
        std::shared_ptr<bool> ended;  // guarded by mutex_
    };
    // Joins the threads of jobs that ended; mutex_ held.
    void reap();

    Post post_;
    std::mutex mutex_;
    bool stopped_ = false;
    std::vector<Job> jobs_;
};

}  // namespace ilmo::presence
