#pragma once
// Hears the ticks of a controller's light preview, so that a light frame made for one change
// shows the change and not the lights before it: the preview runs on its own thread.

#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "device/DeviceView.h"

namespace ilmo::ctl {

class PreviewTicks : public device::DeviceView {
public:
    void show_power(const device::PowerStatus&) override {}
    void select_function_tabs(const device::FunctionSwitchTabs&) override {}
    void lights_changed() override;

    uint64_t count() const;
    // True once the count passed `seen`; false when `timeout_ms` went by first.
    bool wait_past(uint64_t seen, int timeout_ms) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    uint64_t count_ = 0;
};

}  // namespace ilmo::ctl
