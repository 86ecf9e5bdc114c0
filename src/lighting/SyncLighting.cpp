#include "lighting/SyncLighting.h"

#include <pthread.h>

#include <algorithm>
#include <chrono>

namespace ilmo::lighting {

namespace {

constexpr std::string_view kExitTrace = "同步灯光线程设定退出";
// What the worker is called among the process's threads (at most 15 characters).
constexpr const char* kThreadName = "sync lighting";

int64_t steady_now_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SyncLighting::SyncLighting(device::TraceSink trace, Clock clock, int idle_wait_ms)
    : trace_(std::move(trace)),
      clock_(clock ? std::move(clock) : Clock(steady_now_ms)),
      idle_wait_ms_(idle_wait_ms) {}

void SyncLighting::add_device(device::CTavrinUSBDevice* device) {
    std::lock_guard lock(mutex_);
    devices_.push_back(device);
}

std::optional<SyncType> SyncLighting::start(device::ControllerKind kind,
                                            const device::LightRecord& record) {
    const std::optional<SyncType> type = sync_type_for_mode(kind, record.mode);
    if (!type) return std::nullopt;
    {
        std::lock_guard lock(mutex_);
        state_ = sync_state_from(record, *type, state_);
        cadence_.restart();
        woken_ = true;
    }
    roused_.notify_all();
    return type;
}

SyncState SyncLighting::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SyncLighting::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    roused_.notify_all();
}

void SyncLighting::run(const device::StopEvent& stop) {
    pthread_setname_np(pthread_self(), kThreadName);
    std::unique_lock lock(mutex_);
    cadence_.restart();
    while (!stop.is_set()) {
        const int64_t wait_ms = any_taking_part() ? step_when_due(lock) : idle_wait_ms_;
        roused_.wait_for(lock, std::chrono::milliseconds(std::max<int64_t>(wait_ms, 1)),
                         [&] { return woken_ || stop.is_set(); });
        woken_ = false;
    }
    lock.unlock();
    if (trace_) trace_(kExitTrace);
}

bool SyncLighting::any_taking_part() const {
    return std::any_of(devices_.begin(), devices_.end(), [](device::CTavrinUSBDevice* d) {
        return d->sync_flag() && d->command_channel().is_open();
    });
}

int64_t SyncLighting::step_when_due(std::unique_lock<std::mutex>& lock) {
    const int64_t now_ms = clock_();
    const int ticks = sync_ticks_per_step(state_);
    if (cadence_.due(now_ms, ticks)) {
        const device::ColorRecord colour = sync_step(state_, now_ms);
        const std::vector<device::CTavrinUSBDevice*> devices = devices_;
        // The devices take their own lights lock and notify their pages: not under this one.
        lock.unlock();
        for (device::CTavrinUSBDevice* d : devices) d->apply_sync_color(colour);
        lock.lock();
    }
    return cadence_.next_due_ms(now_ms, sync_ticks_per_step(state_)) - clock_();
}

}  // namespace ilmo::lighting
