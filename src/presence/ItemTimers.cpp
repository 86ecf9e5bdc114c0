#include "presence/ItemTimers.h"

namespace ilmo::presence {

using Delay = ItemTimerDelays;
using device::CTavrinUSBDevice;
using device::Result;

void ItemTimers::stop_all(int page) {
    for (ItemTimer timer : {ItemTimer::Frame, ItemTimer::Presence, ItemTimer::Power,
                            ItemTimer::LinkWatch, ItemTimer::PageRefresh, ItemTimer::PageSecond,
                            ItemTimer::PageThird})
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
        case ItemTimer::PageRefresh:
            page_refresh(page);
            break;
        case ItemTimer::PageSecond:
        case ItemTimer::PageThird:
            break;
    }
}

void ItemTimers::presence_check(int page) {
    const PresencePage& p = selector_.page(page);
    CTavrinUSBDevice* controller = p.controller;
    // A receiver can be plugged while its device is off or out of reach: the page is
    // offered only once the device itself answers.
    const bool ask = p.on_receiver_link && controller->command_channel().is_open();
    const bool started = work_.try_start<bool>(
        page, [controller, ask] { return !ask || controller->link_check(); },
        [this, page](bool answers) { answers ? start_page(page) : device_away(page); });
    if (!started) arm(page, ItemTimer::Presence, Delay::kPresenceAfterConnectMs);
}

void ItemTimers::device_away(int page) {
    PresencePage& p = selector_.page(page);
    p.presence_retries = (p.presence_retries + 1) % kPresenceRetryWrap;
    if (p.item_visible) selector_.hide_page(page);
    arm(page, ItemTimer::Presence, Delay::kPresenceRetryMs);
}

void ItemTimers::start_page(int page) {
    selector_.show_item(page);
    CTavrinUSBDevice* controller = selector_.page(page).controller;
    work_.start_next<Result>(
        page, [controller] { return controller->load_after_attach(); },
        [this, page](Result loaded) {
            // The page still shows the profile when the device's own state could not be read.
            if (!device::succeeded(loaded) && trace_)
                trace_(device::failure_trace("reading the device's state after attach", loaded));
            const PresencePage& p = selector_.page(page);
            arm(page, ItemTimer::Frame, Delay::kFirstFrameMs);
            if (p.has_power_display()) arm(page, ItemTimer::Power, Delay::kFirstPowerMs);
            if (p.on_receiver_link) arm(page, ItemTimer::LinkWatch, Delay::kFirstLinkWatchMs);
        });
}

void ItemTimers::page_refresh(int page) {
    view_.before_page_refresh(page);
    CTavrinUSBDevice* controller = selector_.page(page).controller;
    work_.start_next<Result>(
        page, [controller] { return controller->refresh_on_request(); },
        [this, page](Result outcome) {
            if (!device::succeeded(outcome) && trace_)
                trace_(device::failure_trace("reading the device again on its request", outcome));
            view_.refresh_page(page);
            // The device may now run a mode whose frames the host makes.
            resume_frames(page);
        });
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
    CTavrinUSBDevice* controller = selector_.page(page).controller;
    // A failed read leaves the display as it was; the next one is due in five seconds.
    const bool started = work_.try_start<Result>(
        page, [controller] { return controller->power_refresh(); },
        [this, page](Result) { arm_power(page); });
    if (!started) arm_power(page);
}

void ItemTimers::arm_power(int page) {
    if (selector_.page(page).has_power_display()) arm(page, ItemTimer::Power, Delay::kPowerMs);
}

void ItemTimers::link_watch(int page) {
    const PresencePage& p = selector_.page(page);
    if (!p.on_receiver_link) return;  // back on the cable: the link cannot drop unnoticed
    CTavrinUSBDevice* controller = p.controller;
    const bool started = work_.try_start<bool>(
        page, [controller] { return controller->link_check(); },
        [this, page](bool answers) { link_answer(page, answers); });
    if (!started) arm(page, ItemTimer::LinkWatch, Delay::kLinkWatchMs);
}

void ItemTimers::link_answer(int page, bool answers) {
    const PresencePage& p = selector_.page(page);
    if (answers && !p.item_visible) {
        selector_.show_item(page);
        CTavrinUSBDevice* controller = p.controller;
        work_.start_next<Result>(
            page, [controller] { return controller->power_refresh(); },
            [this, page](Result) { arm(page, ItemTimer::LinkWatch, Delay::kLinkWatchMs); });
        return;
    }
    if (!answers && p.item_visible) selector_.hide_page(page);
    arm(page, ItemTimer::LinkWatch, Delay::kLinkWatchMs);
}

}  // namespace ilmo::presence
