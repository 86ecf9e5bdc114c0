#include "lighting/LightingThread.h"

#include <algorithm>

namespace ilmo::lighting {

namespace {

constexpr std::string_view kEndedTrace = "线程退出：：对象处于激发状态\n";
constexpr std::string_view kTimedOutTrace = "线程退出：：对象处于非激发状态，超时\n";
// A due time far off (or a clock that jumped) is looked at again after this.
constexpr int64_t kLongestSleepMs = 60'000;

int64_t steady_now_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

LightingThread::LightingThread(device::TraceSink trace, std::string exit_trace, Clock clock,
                               int stop_wait_ms)
    : trace_(std::move(trace)),
      exit_trace_(std::move(exit_trace)),
      clock_(clock ? std::move(clock) : Clock(steady_now_ms)),
      stop_wait_ms_(stop_wait_ms) {}

LightingThread::~LightingThread() {
    stop();
}

bool LightingThread::start(Tick tick) {
    if (worker_.joinable() || !tick) return false;
    const bool was_paused = paused();
    // A fresh shared state: a worker let go after an earlier stop keeps its own.
    shared_ = std::make_shared<Shared>();
    shared_->paused = was_paused;
    std::promise<void> ended;
    ended_ = ended.get_future();
    worker_ = std::thread([shared = shared_, tick = std::move(tick), clock = clock_, trace = trace_,
                           exit_trace = exit_trace_, ended = std::move(ended)]() mutable {
        run(shared, std::move(tick), std::move(clock), std::move(trace), std::move(exit_trace));
        ended.set_value();
    });
    return true;
}

void LightingThread::run(std::shared_ptr<Shared> shared, Tick tick, Clock clock,
                         device::TraceSink trace, std::string exit_trace) {
    std::unique_lock lock(shared->mutex);
    int64_t due_ms = clock();
    while (!shared->stop) {
        if (shared->paused) {
            shared->changed.wait(lock, [&] { return shared->stop || !shared->paused; });
            due_ms = clock();  // the lighting may have changed meanwhile
            continue;
        }
        const int64_t now_ms = clock();
        if (!shared->woken && now_ms < due_ms) {
            const int64_t wait_ms = std::min(due_ms - now_ms, kLongestSleepMs);
            shared->changed.wait_for(lock, std::chrono::milliseconds(wait_ms), [&] {
                return shared->stop || shared->paused || shared->woken;
            });
            continue;
        }
        shared->woken = false;
        lock.unlock();
        due_ms = tick(now_ms);
        lock.lock();
    }
    lock.unlock();
    if (trace && !exit_trace.empty()) trace(exit_trace);
}

void LightingThread::stop() {
    if (!worker_.joinable()) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
    }
    shared_->changed.notify_all();
    const bool ended =
        ended_.wait_for(std::chrono::milliseconds(stop_wait_ms_)) == std::future_status::ready;
    trace(ended ? kEndedTrace : kTimedOutTrace);
    // Joined in any case: the tick works on its owner, which must not go before it. A tick
    // only waits for its owner's lock, so the worker ends once that is free.
    worker_.join();
    ended_ = {};
}

void LightingThread::pause() {
    std::lock_guard lock(shared_->mutex);
    shared_->paused = true;
}

void LightingThread::resume() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->paused = false;
    }
    shared_->changed.notify_all();
}

bool LightingThread::paused() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->paused;
}

void LightingThread::wake() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->woken = true;
    }
    shared_->changed.notify_all();
}

}  // namespace ilmo::lighting
