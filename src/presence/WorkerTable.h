#pragma once
// The main window's background workers: a fixed table of entries, each with its own stop
// event and at most one thread. Stopping signals every event, then gives each running
// worker a bounded time to end; one that overstays is traced and left running.

#include <array>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "device/Trace.h"
#include "device/StopEvent.h"

namespace ilmo::presence {

using device::StopEvent;

class WorkerTable {
public:
    static constexpr int kEntryCount = 20;
    static constexpr int kDeviceScanEntry = 0;
    static constexpr int kSyncLightingEntry = 8;
    static constexpr int kStopWaitMs = 1000;

    using Body = std::function<void(StopEvent& stop)>;
    // Rouses a worker out of a wait that does not watch its stop event (a device-change
    // wait, for instance); called right after the events are set.
    using Wake = std::function<void()>;

    explicit WorkerTable(device::TraceSink trace, int stop_wait_ms = kStopWaitMs);
    // Stops whatever still runs.
    ~WorkerTable();
    WorkerTable(const WorkerTable&) = delete;
    WorkerTable& operator=(const WorkerTable&) = delete;

    // The entry's event; it stays the same object for the table's life, so a worker may be
    // handed it before it starts. nullptr for an entry outside the table.
    std::shared_ptr<StopEvent> stop_event(int entry) const;

    // Resets the entry's event and runs `body` on a new thread. False for an entry outside
    // the table, one that runs a worker already, or one whose worker overstayed an earlier
    // stop and still holds the entry's event.
    bool start(int entry, Body body, Wake wake = {});
    bool running(int entry) const;

    // Signals all events, wakes the workers, then waits for each running worker in entry
    // order, up to the stop wait each.
    void stop_all();

private:
    struct Entry {
        std::shared_ptr<StopEvent> stop = std::make_shared<StopEvent>();
        std::thread thread;
        std::future<void> ended;
        Wake wake;
        bool abandoned = false;
    };

    bool valid(int entry) const { return entry >= 0 && entry < kEntryCount; }
    void finish(Entry& entry);
    void trace(std::string_view line) const {
        if (trace_) trace_(line);
    }

    device::TraceSink trace_;
    const int stop_wait_ms_;
    std::array<Entry, kEntryCount> entries_;
};

}  // namespace ilmo::presence
