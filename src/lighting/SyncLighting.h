#pragma once
// Synchronised lighting across devices: the shared state, the devices that may take part,
// and the worker body that steps the common effect and hands each colour to them.
//
// Threading: the UI thread adds devices and starts the effect; the worker runs run(). One
// lock guards the state and the device list, so the worker always steps a consistent state.
// The worker sleeps until its next step is due, and for a second at a time while no device
// takes part; wake() rouses it when that may have changed or when it is told to stop.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "device/CTavrinUSBDevice.h"
#include "device/StopEvent.h"
#include "device/Trace.h"
#include "lighting/SyncState.h"
#include "lighting/Ticks.h"

namespace ilmo::lighting {

class SyncLighting {
public:
    // While no connected device takes part, the worker looks again this often.
    static constexpr int kIdleWaitMs = 1000;

    using Clock = std::function<int64_t()>;

    // The clock defaults to a steady millisecond clock.
    explicit SyncLighting(device::TraceSink trace, Clock clock = {},
                          int idle_wait_ms = kIdleWaitMs);

    // A device that may take part; it must outlive the worker.
    void add_device(device::CTavrinUSBDevice* device);
    // Takes the effect of `record`, shown by a device of `kind`, as the common effect. A mode
    // without a sync type leaves the state as it was and gives nothing.
    std::optional<SyncType> start(device::ControllerKind kind, const device::LightRecord& record);
    SyncState state() const;

    // Rouses the worker: a sync flag changed, or its stop event was just set.
    void wake();
    // The worker's body: ends, tracing so, once `stop` is set and wake() called.
    void run(const device::StopEvent& stop);

private:
    // Until an effect is started, devices that take part breathe through the colours at full
    // brightness together rather than go dark.
    static SyncState unstarted_state() {
        SyncState state;
        state.speed = 2;
        state.brightness = 4;
        state.colourful = true;
        return state;
    }
    // Lock held.
    bool any_taking_part() const;
    // One step if due; how long until the next is due.
    int64_t step_when_due(std::unique_lock<std::mutex>& lock);

    device::TraceSink trace_;
    Clock clock_;
    const int idle_wait_ms_;
    mutable std::mutex mutex_;
    std::condition_variable roused_;
    bool woken_ = false;
    std::vector<device::CTavrinUSBDevice*> devices_;
    SyncState state_ = unstarted_state();
    StepCadence cadence_;
};

}  // namespace ilmo::lighting
