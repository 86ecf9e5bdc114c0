#pragma once
// The device scan: finds supported HID interfaces as they arrive and notices when claimed
// ones vanish. It owns the slots of the supported interface table and hands every slot
// change to its callbacks.
//
// Threading: run() is the body of the scan worker. The callbacks are called on that thread
// and must not return before the slot change has been handled (the main window makes a
// blocking call into the UI thread). While a callback runs the scanner is parked inside it,
// so the handler may read slot_table() without a lock; nothing else may read them.

#include <functional>
#include <memory>

#include "device/HidBackend.h"
#include "device/SlotTable.h"
#include "device/Trace.h"
#include "device/StopEvent.h"

namespace ilmo::presence {

using device::StopEvent;

class DeviceScanner {
public:
    static constexpr int kRetryWaitMs = 100;
    static constexpr int kIdleWaitMs = 2000;

    struct Callbacks {
        std::function<void(int slot)> arrival;  // the slot was just claimed
        std::function<void(int slot)> removal;  // the slot was just released
        // Once per scanner, after its first pass, found or not: the window then shows itself.
        std::function<void()> first_pass_done;
    };

    enum class PassOutcome {
        Settled,            // nothing to retry: wait for a change
        RetrySoon,          // a candidate could not be opened yet
        EnumerationFailed,  // the interfaces cannot be listed: the scan ends
    };

    // `idle_wait_ms` bounds the wait for a change notice, in case one is missed.
    DeviceScanner(device::HidBackend& backend, std::shared_ptr<StopEvent> stop, Callbacks callbacks,
                  device::TraceSink trace, int idle_wait_ms = kIdleWaitMs);

    // One cycle: claims matching interfaces while a slot is free, then releases claimed
    // slots whose interface is gone.
    PassOutcome scan_once();
    // The worker body: cycles until the stop event is set or the enumeration fails.
    void run();
    // Sets the stop event and cuts the current wait short; safe from any thread.
    void request_stop();

    const device::SlotTable& slot_table() const { return slots_; }

private:
    PassOutcome claim_arrivals();
    // Probes one candidate path; false when it could not be opened.
    bool probe(const std::string& path, const device::PathIdentity& from_path);
    void release_vanished();
    void trace(std::string_view line) const {
        if (trace_) trace_(line);
    }

    device::HidBackend& backend_;
    std::shared_ptr<StopEvent> stop_;
    Callbacks callbacks_;
    device::TraceSink trace_;
    const int idle_wait_ms_;
    device::SlotTable slots_;
    bool first_pass_done_ = false;
};

}  // namespace ilmo::presence
