#include "device/FrameSender.h"

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
    while (true) {
        std::vector<uint8_t> frame;
        {
            std::unique_lock lock(mutex_);
            posted_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_) return;
            frame = std::move(*pending_);
            pending_.reset();
        }
        const Result outcome = send_(frame);
        if (succeeded(outcome)) {
            std::lock_guard lock(mutex_);
            ++sent_;
        } else if (stop.wait_for(kFailurePauseMs)) {
            return;
        }
    }
}

}  // namespace ilmo::device
