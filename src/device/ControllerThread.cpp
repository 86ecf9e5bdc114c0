#include "device/ControllerThread.h"

#include <chrono>

namespace ilmo::device {

namespace {

constexpr std::string_view kEndedTrace = "线程退出：：对象处于激发状态\n";
constexpr std::string_view kTimedOutTrace = "线程退出：：对象处于非激发状态，超时\n";

}  // namespace

void ControllerThread::start(Body body, Wake wake) {
    stop();
    stop_ = std::make_shared<StopEvent>();
    wake_ = std::move(wake);
    std::promise<void> ended;
    ended_ = ended.get_future();
    thread_ = std::thread([body = std::move(body), stop = stop_, ended = std::move(ended)]() mutable {
        body(*stop);
        ended.set_value();
    });
}

void ControllerThread::stop() {
    if (!thread_.joinable()) return;
    stop_->set();
    if (wake_) wake_();
    const bool ended =
        ended_.wait_for(std::chrono::milliseconds(stop_wait_ms_)) == std::future_status::ready;
    if (trace_) trace_(ended ? kEndedTrace : kTimedOutTrace);
    thread_.join();
    wake_ = {};
}

}  // namespace ilmo::device
