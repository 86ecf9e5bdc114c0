#pragma once
// Hands work from a worker thread to the UI thread and waits until it ran, the way the scan
// thread reports arrivals and removals. Unlike a blocking queued call it gives up when the
// worker is told to stop or the receiving window is gone, so shutdown never deadlocks.

#include <QObject>
#include <QThread>
#include <functional>

namespace ilmo::device {
class StopEvent;
}

namespace ilmo::shell {

// True when `work` ran on `receiver`'s thread; false when `stop` was set or the receiver
// was destroyed first.
bool run_on_ui_thread_and_wait(QObject* receiver, std::function<void()> work,
                               device::StopEvent& stop);

// True when the caller is not on `owner`'s thread: `show` then runs there later instead (and
// not at all when `owner` is gone by then).
template <class Show>
bool deferred_to_owner_thread(QObject* owner, Show show) {
    if (QThread::currentThread() == owner->thread()) return false;
    QMetaObject::invokeMethod(owner, std::move(show), Qt::QueuedConnection);
    return true;
}

}  // namespace ilmo::shell
