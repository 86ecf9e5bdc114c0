#include "shell/UiThreadCall.h"

#include <chrono>
#include <future>
#include <memory>

#include "device/StopEvent.h"

namespace ilmo::shell {

bool run_on_ui_thread_and_wait(QObject* receiver, std::function<void()> work,
                               device::StopEvent& stop) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    // If the receiver dies with the call still queued, Qt drops the functor and with it the
    // promise: the future then reports a broken promise instead of waiting forever.
    QMetaObject::invokeMethod(
        receiver, [work = std::move(work), done] {
            work();
            done->set_value();
        },
        Qt::QueuedConnection);
    using namespace std::chrono_literals;
    while (finished.wait_for(20ms) != std::future_status::ready) {
        if (stop.is_set()) return false;
    }
    try {
        finished.get();
        return true;
    } catch (const std::future_error&) {
        return false;
    }
}

}  // namespace ilmo::shell
