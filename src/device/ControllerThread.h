#pragma once
// One of a controller's own threads (a lighting thread, an event reader): it runs a body
// that waits on its stop event instead of sleeping, and it is always joined before the
// controller that gave it its context goes. Stopping sets the event, rouses a wait that
// does not watch it (a read on a device), gives the thread a bounded time and traces how it
// ended; then it is joined, because every wait it can be in ends once roused.

#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "device/StopEvent.h"
#include "device/Trace.h"

namespace ilmo::device {

class ControllerThread {
public:
    static constexpr int kStopWaitMs = 1000;

    using Body = std::function<void(const StopEvent& stop)>;
    using Wake = std::function<void()>;

    explicit ControllerThread(TraceSink trace, int stop_wait_ms = kStopWaitMs)
        : trace_(std::move(trace)), stop_wait_ms_(stop_wait_ms) {}
    ~ControllerThread() { stop(); }
    ControllerThread(const ControllerThread&) = delete;
    ControllerThread& operator=(const ControllerThread&) = delete;

    // Stops a running thread first, then runs `body` on a new one with a fresh stop event.
    // `wake` is called when stopping, after the event is set.
    void start(Body body, Wake wake = {});
    // Harmless when nothing runs.
    void stop();
    bool running() const { return thread_.joinable(); }

private:
    TraceSink trace_;
    const int stop_wait_ms_;
    std::shared_ptr<StopEvent> stop_;
    std::thread thread_;
    std::future<void> ended_;
    Wake wake_;
};

}  // namespace ilmo::device
