#include "device/FrameSender.h"

#include <chrono>

namespace ilmo::device {

FrameSender::FrameSender(CommandChannel& channel, TraceSink trace)
    : FrameSender([&channel](std::span<const uint8_t> frame) {
          return channel.write_light_frame(frame);
      }, std::move(trace)) {}

FrameSender::FrameSender(Send send, TraceSink trace)
    : send_(std::move(send)), thread_(std::move(trace)) {}

void FrameSender::post(std::vector<uint8_t> frame) {
    {
        std::lock_guard lock(mutex_);
        if (pending_) ++replaced_;
        pending_ = std::move(frame);
        stopping_ = false;
    }
    if (!thread_.running()) {
        thread_.start([this](const StopEvent& stop) { run(stop); },
                      [this] {
                          std::lock_guard lock(mutex_);
                          stopping_ = true;
                          posted_.notify_all();
                      });
    }
    posted_.notify_one();
}

void FrameSender::set_pace_ms(int pace_ms) {
    std::lock_guard lock(mutex_);
    pace_ms_ = pace_ms;
}

void FrameSender::stop() {
    thread_.stop();
    std::lock_guard lock(mutex_);
    pending_.reset();
}

uint64_t FrameSender::sent() const {
    std::lock_guard lock(mutex_);
    return sent_;
}

uint64_t FrameSender::replaced() const {
    std::lock_guard lock(mutex_);
    return replaced_;
}

void FrameSender::run(const StopEvent& stop) {
    using Clock = std::chrono::steady_clock;
    while (true) {
        std::vector<uint8_t> frame;
        int pace_ms = 0;
        {
            std::unique_lock lock(mutex_);
            posted_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_) return;
            frame = std::move(*pending_);
            pending_.reset();
            pace_ms = pace_ms_;
        }
        const auto started = Clock::now();
        const Result outcome = send_(frame);
        if (succeeded(outcome)) {
            std::lock_guard lock(mutex_);
            ++sent_;
        } else if (stop.wait_for(kFailurePauseMs)) {
            return;
        }
        // Frames made meanwhile wait out the pace; the newest of them goes next.
        const auto paced = std::chrono::ceil<std::chrono::milliseconds>(
            started + std::chrono::milliseconds(pace_ms) - Clock::now());
        if (paced.count() > 0 && stop.wait_for(static_cast<int>(paced.count()))) return;
    }
}

}  // namespace ilmo::device
