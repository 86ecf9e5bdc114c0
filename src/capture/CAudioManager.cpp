#include "capture/CAudioManager.h"

#include <utility>

#include "capture/FrequencyLevels.h"

namespace ilmo::capture {

CAudioManager::CAudioManager(RecorderOptions options) : recorder_(std::move(options)) {}

CAudioManager::~CAudioManager() {
    stop_capture();
}

void CAudioManager::set_window(CaptureWindow* window) {
    std::lock_guard lock(window_mutex_);
    window_ = window;
}

const CaptureWindow* CAudioManager::window() const {
    std::lock_guard lock(window_mutex_);
    return window_;
}

void CAudioManager::notify(CopyData notice) {
    std::lock_guard lock(window_mutex_);
    if (window_) window_->copy_data(std::move(notice));
}

bool CAudioManager::start_capture() {
    wanted_ = true;
    // A thread that is still trying to connect keeps trying.
    if (recorder_.running()) return recorder_.streaming();
    return recorder_.initialise(*this) && recorder_.start();
}

void CAudioManager::stop_capture() {
    wanted_ = false;
    recorder_.stop();
}

void CAudioManager::started(int /*period_ms*/) {
    // Each stream starts its own blocks: values left from the last one would be joined to
    // sound that did not follow them.
    collector_.clear();
}

void CAudioManager::stopped() {}

void CAudioManager::format(const CaptureFormat& record) {
    format_ = record;
}

void CAudioManager::data(std::vector<uint8_t> bytes) {
    // One analysis per packet, on the first block it completes: a packet of a fast
    // many-channel output holds a dozen blocks, and a notice for each would flood the window.
    bool analysed = false;
    collector_.add(bytes, [this, &analysed](const SampleBlock& block) {
        if (analysed) return;
        analysed = true;
        if (!is_silent(block)) notify(levels_notice(analyser_.levels(block)));
    });
}

bool CAudioManager::failed_or_changed() {
    // The recorder opens a new stream on whatever output is the default now.
    return wanted_;
}

}  // namespace ilmo::capture
