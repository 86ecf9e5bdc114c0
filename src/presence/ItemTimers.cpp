#include "presence/ItemTimers.h"

namespace ilmo::presence {

using Delay = ItemTimerDelays;

void ItemTimers::stop_all(int page) {
    for (ItemTimer timer :
         {ItemTimer::Frame, ItemTimer::Presence, ItemTimer::Power, ItemTimer::LinkWatch})
        view_.stop_item_timer(page, timer);
}

void ItemTimers::fired(int page, ItemTimer timer) {
    // A firing that was already queued when the device went away finds the page
    // disconnected and arms nothing more.
    if (!selector_.valid(page) || !selector_.page(page).connected) return;
    switch (timer) {
        case ItemTimer::Presence:
            presence_check(page);
            break;
        case ItemTimer::Frame:
            frame(page);
            break;
        case ItemTimer::Power:
            power(page);
            break;
        case ItemTimer::LinkWatch:
            link_watch(page);
            break;
    }
}

void ItemTimers::presence_check(int page) {
    PresencePage& p = selector_.page(page);
    device::CTavrinUSBDevice& controller = *p.controller;
    // A receiver can be plugged while its device is off or out of reach: the page is
    // offered only once the device itself answers.
    if (p.on_receiver_link && controller.command_channel().is_open() && !controller.link_check()) {
        p.presence_retries = (p.presence_retries + 1) % kPresenceRetryWrap;
        if (p.item_visible) selector_.hide_page(page);
        arm(page, ItemTimer::Presence, Delay::kPresenceRetryMs);
        return;
    }
    selector_.show_item(page);
    // The page still shows the profile when the device's own state could not be read.
    const device::Result loaded = controller.load_after_attach();
    if (!device::succeeded(loaded) && trace_)
        trace_(std::string("device state after attach not read: ") + device::describe(loaded));
    arm(page, ItemTimer::Frame, Delay::kFirstFrameMs);
    if (p.has_power_display()) arm(page, ItemTimer::Power, Delay::kFirstPowerMs);
    if (p.on_receiver_link) arm(page, ItemTimer::LinkWatch, Delay::kFirstLinkWatchMs);
}

void ItemTimers::frame(int page) {
    const PresencePage& p = selector_.page(page);
    if (!p.controller->command_channel().is_open()) return;
    if (!view_.send_light_frame(page)) return;
    // The receiver's radio link carries fewer frames than the cable.
    arm(page, ItemTimer::Frame,
        p.on_receiver_link ? Delay::kFrameReceiverMs : Delay::kFrameCableMs);
}

void ItemTimers::resume_frames(int page) {
    const PresencePage& p = selector_.page(page);
    if (p.connected && p.controller->command_channel().is_open())
        arm(page, ItemTimer::Frame, Delay::kFirstFrameMs);
}

void ItemTimers::power(int page) {
    const PresencePage& p = selector_.page(page);
    // A failed read leaves the display as it was; the next one is due in five seconds.
    static_cast<void>(p.controller->power_refresh());
    if (p.has_power_display()) arm(page, ItemTimer::Power, Delay::kPowerMs);
}

void ItemTimers::link_watch(int page) {
    const PresencePage& p = selector_.page(page);
    if (!p.on_receiver_link) return;  // back on the cable: the link cannot drop unnoticed
    const bool answers = p.controller->link_check();
    if (answers && !p.item_visible) {
        selector_.show_item(page);
        static_cast<void>(p.controller->power_refresh());
    } else if (!answers && p.item_visible) {
        selector_.hide_page(page);
    }
    arm(page, ItemTimer::LinkWatch, Delay::kLinkWatchMs);
}

}  // namespace ilmo::presence
