#include "presence/WorkerTable.h"

#include <chrono>

namespace ilmo::presence {

namespace {

constexpr std::string_view kEndedTrace = "所有对象处于激发状态\n";
constexpr std::string_view kTimedOutTrace = "所有对象处于非激发状态，超时\n";

}  // namespace

WorkerTable::WorkerTable(device::TraceSink trace, int stop_wait_ms)
    : trace_(std::move(trace)), stop_wait_ms_(stop_wait_ms) {}

WorkerTable::~WorkerTable() {
    stop_all();
}

std::shared_ptr<StopEvent> WorkerTable::stop_event(int entry) const {
    return valid(entry) ? entries_[static_cast<size_t>(entry)].stop : nullptr;
}

bool WorkerTable::start(int entry, Body body, Wake wake) {
    if (!valid(entry) || !body) return false;
    Entry& e = entries_[static_cast<size_t>(entry)];
    if (e.thread.joinable() || e.abandoned) return false;
    e.stop->reset();
    e.wake = std::move(wake);
    std::promise<void> ended;
    e.ended = ended.get_future();
    // The thread holds its own reference to the event, so a worker left running after a
    // stop time-out never touches a freed event even when the table is gone.
    e.thread =
        std::thread([stop = e.stop, body = std::move(body), ended = std::move(ended)]() mutable {
            body(*stop);
            ended.set_value();
        });
    return true;
}

bool WorkerTable::running(int entry) const {
    return valid(entry) && entries_[static_cast<size_t>(entry)].thread.joinable();
}

void WorkerTable::stop_all() {
    for (Entry& e : entries_) e.stop->set();
    for (Entry& e : entries_)
        if (e.thread.joinable() && e.wake) e.wake();
    for (Entry& e : entries_)
        if (e.thread.joinable()) finish(e);
}

void WorkerTable::finish(Entry& entry) {
    // std::thread has no timed join: the worker's promise says when its body has returned.
    if (entry.ended.wait_for(std::chrono::milliseconds(stop_wait_ms_)) ==
        std::future_status::ready) {
        entry.thread.join();
        trace(kEndedTrace);
    } else {
        // A thread is never killed: that could leave a lock held or a device half-written.
        // It is let go instead and ends whenever its wait returns; the entry stays
        // retired because the worker still holds its event.
        entry.thread.detach();
        entry.abandoned = true;
        trace(kTimedOutTrace);
    }
    entry.ended = {};
    entry.wake = {};
}

}  // namespace ilmo::presence
