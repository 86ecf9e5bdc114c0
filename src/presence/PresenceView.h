#pragma once
// What device presence asks of the main window. The window implements it with widgets; the
// presence logic never sees one. Pages are numbered in creation order: the number is the
// page's index in the selector strip and in the page switcher.
//
// Every call comes on the UI thread, from DevicePresence.

#include "device/CTavrinUSBDevice.h"
#include "presence/ItemTimer.h"

namespace ilmo::presence {

class PresenceView {
public:
    virtual ~PresenceView() = default;

    // Builds page `page` for a row of the device option table: its power indicator, its
    // selector item (hidden) and its page layout, and the controller behind it, created
    // with `slot` as its identity. The window owns the controller for the rest of its life.
    // nullptr when a layout cannot be built: there is then no such page.
    virtual device::CTavrinUSBDevice* create_page(int page, int option_row, int slot) = 0;

    virtual void set_item_visible(int page, bool visible) = 0;
    virtual void set_item_selected(int page, bool selected) = 0;
    // Switches "device_switch" to the page and "device_power_switch" to its power indicator,
    // or hides the indicator layout when the page has none.
    virtual void show_page(int page) = 0;
    // Shown: "No_device_Link" visible and both tab layouts at index 0. Hidden otherwise.
    virtual void show_no_device(bool shown) = 0;
    // Offers or withdraws the sync choice ("synchro_device_select") on every item.
    virtual void set_sync_offered(bool offered) = 0;
    // Unselects every item's sync choice (and its sync icons).
    virtual void clear_sync_choices() = 0;
    // Restores the main window and brings it to the front.
    virtual void raise_main_window() = 0;

    // Arms the item's one-shot timer; arming it again replaces the pending one. When it
    // fires the window calls DevicePresence::item_timer_fired(page, timer).
    virtual void start_item_timer(int page, ItemTimer timer, int delay_ms) = 0;
    virtual void stop_item_timer(int page, ItemTimer timer) = 0;

    // The page builds and sends its light frame, and repaints its picture when its item is
    // selected and the picture has changed. Device kinds build their frames; the base
    // controller has none. Returns whether the page still drives host frames (a host-driven
    // lighting mode is active): when it does not, the frame timer rests until the page
    // resumes it, so an idle device costs no wake-ups.
    virtual bool send_light_frame(int page) = 0;
    virtual void refresh_page(int page) = 0;
    // Before the page reads its device again on request: the page reloads its profile list
    // and profile when the device said it changed them.
    virtual void before_page_refresh(int /*page*/) {}

    // Closes the settings window and the other tool windows of the main window.
    virtual void close_child_windows() = 0;
    // Turns the global input hooks off when they are on.
    virtual void switch_hooks_off() = 0;
    virtual void close_settings_window() = 0;
};

}  // namespace ilmo::presence
