#pragma once
// Hands work from a worker thread to the UI thread and waits until it ran, the way the scan
// thread reports arrivals and removals. Unlike a blocking queued call it gives up when the
// worker is told to stop or the receiving window is gone, so shutdown never deadlocks.

#include <QObject>
#include <functional>

namespace ilmo::device {
class StopEvent;
}

namespace ilmo::shell {

// True when `work` ran on `receiver`'s thread; false when `stop` was set or the receiver
// was destroyed first.
bool run_on_ui_thread_and_wait(QObject* receiver, std::function<void()> work,
                               device::StopEvent& stop);

}  // namespace ilmo::shell
