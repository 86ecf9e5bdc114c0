#pragma once
// The worker that animates a device page: it runs one tick of the preview, then sleeps until
// the tick says the next is due, until it is woken, paused or stopped. It never polls.
//
// Stopping is a signal and a bounded wait whose outcome is traced; the worker is then always
// joined (never killed, which could leave a lock held, nor let go, which would leave it
// working on an owner that is gone).

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "device/Trace.h"

namespace ilmo::lighting {

class LightingThread {
public:
    static constexpr int kStopWaitMs = 1000;

    using Clock = std::function<int64_t()>;
    // One tick, run under the owner's lock; returns when the next tick is due, in the
    // clock's milliseconds (a time already past means at once).
    using Tick = std::function<int64_t(int64_t now_ms)>;

    // `exit_trace` is what the worker traces when it sees its stop (for instance
    // "KB灯光线程设定退出"). The clock defaults to a steady millisecond clock.
    LightingThread(device::TraceSink trace, std::string exit_trace, Clock clock = {},
                   int stop_wait_ms = kStopWaitMs);
    // Stops a running worker.
    ~LightingThread();
    LightingThread(const LightingThread&) = delete;
    LightingThread& operator=(const LightingThread&) = delete;

    // Starts the worker; false when one runs already.
    bool start(Tick tick);
    // Signals the worker and waits for it up to the stop wait; harmless when none runs.
    void stop();
    bool running() const { return worker_.joinable(); }

    // While paused the worker runs no tick and sleeps until resumed or stopped; a tick in
    // progress finishes. It does not wait for that tick, so it may be called while holding
    // the lock the tick takes. The pause holds across stop and start.
    void pause();
    void resume();
    bool paused() const;
    // Runs a tick at once (the lighting changed and the old due time no longer holds).
    void wake();

private:
    // What the worker and its owner share; the worker keeps it alive even when it is let go.
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        bool stop = false;
        bool paused = false;
        bool woken = false;
    };

    static void run(std::shared_ptr<Shared> shared, Tick tick, Clock clock, device::TraceSink trace,
                    std::string exit_trace);
    void trace(std::string_view line) const {
        if (trace_) trace_(line);
    }

    device::TraceSink trace_;
    std::string exit_trace_;
    Clock clock_;
    int stop_wait_ms_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::thread worker_;
    std::future<void> ended_;
};

}  // namespace ilmo::lighting
