#pragma once
// The timers each selector item runs for its page: the first contact after connecting (and
// its retries while a wireless device is away), the light frames, the power refresh and the
// watch over the receiver link. The window arms and fires them; this class decides what a
// firing does and what is armed next. UI thread only: whatever waits on the device runs as
// the page's device work, and a firing that finds that work still running comes back later.

#include "device/Trace.h"
#include "presence/DeviceSelector.h"
#include "presence/ItemTimer.h"
#include "presence/PageWork.h"
#include "presence/PresenceView.h"

namespace ilmo::presence {

class ItemTimers {
public:
    // The presence retry counter wraps here.
    static constexpr int kPresenceRetryWrap = 20;

    ItemTimers(DeviceSelector& selector, PresenceView& view, PageWork& work,
               device::TraceSink trace = {})
        : selector_(selector), view_(view), work_(work), trace_(std::move(trace)) {}

    void arm(int page, ItemTimer timer, int delay_ms) {
        view_.start_item_timer(page, timer, delay_ms);
    }
    // A page that lost its device keeps no timer running.
    void stop_all(int page);
    // A page that starts driving host frames again restarts its frame timer.
    void resume_frames(int page);
    void fired(int page, ItemTimer timer);

private:
    void presence_check(int page);
    void device_away(int page);
    void start_page(int page);
    void frame(int page);
    void power(int page);
    void arm_power(int page);
    void link_watch(int page);
    void link_answer(int page, bool answers);
    void page_refresh(int page);

    DeviceSelector& selector_;
    PresenceView& view_;
    PageWork& work_;
    device::TraceSink trace_;
};

}  // namespace ilmo::presence
