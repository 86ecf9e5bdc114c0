#pragma once
// Turns slot changes into device pages: which controller an arriving interface belongs to,
// opening and closing its channels, moving a device between its cable and its receiver,
// and what the selector strip shows meanwhile.
//
// Threading: every operation runs on the UI thread. arrival() and removal() are called
// while the scanner waits for them (see DeviceScanner), which is what makes reading its
// slot table here safe. Whatever waits on a device (the receiver link wait, loading the
// device's state, power reads, link queries) runs as the page's device work (PageWork), so
// the UI thread never waits on a device for longer than opening it.

#include "device/SlotTable.h"
#include "device/Trace.h"
#include "presence/DeviceJobs.h"
#include "presence/DeviceSelector.h"
#include "presence/ItemTimers.h"
#include "presence/PageWork.h"
#include "presence/PresenceView.h"

namespace ilmo::presence {

class DevicePresence {
public:
    DevicePresence(PresenceView& view, const device::SlotTable& slots, DeviceJobs& jobs,
                   device::TraceSink trace);

    // Creates one page per row of the device option table, in order, disconnected and with
    // its item hidden. The scanner's slots start free.
    void start();

    void arrival(int slot);
    void removal(int slot);
    // Before the program ends: closes every page's channels, so device work still running
    // ends at once, and drops what it would have found.
    void shutdown();
    // The page's device work has not ended yet.
    bool device_work_running(int page) const { return work_.running(page); }
    void item_timer_fired(int page, ItemTimer timer) { timers_.fired(page, timer); }
    // The page drives host frames again (a host-driven lighting mode began).
    void resume_frames(int page) { timers_.resume_frames(page); }
    // Device work of the page (writing a profile, an option) after its running work; what it
    // found is applied only while the page is still connected as it was.
    void run_device_work(int page, std::function<device::Result()> work,
                         std::function<void(device::Result)> apply) {
        work_.start_next<device::Result>(page, std::move(work), std::move(apply));
    }

    void select_page(int page, bool visible, bool select) {
        selector_.select_page(page, visible, select);
    }
    void hide_page(int page) { selector_.hide_page(page); }
    device::CTavrinUSBDevice* selected_device() const { return selector_.selected_device(); }
    // The user ticked or cleared an item's sync choice.
    void set_sync_choice(int page, bool chosen) { selector_.set_sync_choice(page, chosen); }

    // While the window is hidden, pages with a power display stop reading it and the
    // previews rest.
    void set_window_hidden(bool hidden);
    // Only the previews rest: a minimised window still counts as looked at for the power.
    void set_previews_paused(bool paused);
    // The main window's light status switch, also cleared while the system sleeps.
    void set_lighting_control(bool on);

    int page_count() const { return selector_.page_count(); }
    const PresencePage& page(int index) const { return selector_.page(index); }

private:
    enum class Link { Cable, Receiver };

    // Asks the window for the page that serves `command_slot`'s product; -1 when none.
    int create_page(int command_slot);
    void connect(int command_slot);
    void switch_link(int cable_slot, Link target);
    // After a switch to the receiver: the link wait where the page shows the power state,
    // then the device's state, then the watch over the link.
    void wait_for_receiver(int page);
    void load_after_switch(int page);
    void disconnect(int page);
    void attach_events(int event_slot);
    void detach_events(int event_slot);
    // Both connections of a product are occupied right now.
    bool twin_occupied(int slot) const;
    // Kinds without a text of their own say nothing.
    // The page stays usable when a step fails; the trace says which one did.
    void trace_failure(std::string_view what, device::Result outcome) const;
    void trace(std::string_view line) const {
        if (trace_ && !line.empty()) trace_(line);
    }

    PresenceView& view_;
    const device::SlotTable& slots_;
    device::TraceSink trace_;
    DeviceSelector selector_;
    PageWork work_;
    ItemTimers timers_;
};

}  // namespace ilmo::presence
