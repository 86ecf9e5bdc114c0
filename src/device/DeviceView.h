#pragma once
// The narrow window a controller has onto its page. The shell implements it with widgets;
// tests and the command-line tool implement it with plain records. Calls may come from device
// work or a device thread; the page draws on its own thread.

#include "device/FunctionSwitchPage.h"
#include "device/PowerStatus.h"

namespace ilmo::device {

// The page's own one-shot timers, run by its selector item; the numbers are the item's
// timer ids.
enum class PageTimer : int {
    Refresh = 1002,  // read the device's settings again (it asked for it)
    Second = 1003,
    Third = 1004,
};

class DeviceView {
public:
    virtual ~DeviceView() = default;
    virtual void show_power(const PowerStatus& status) = 0;
    virtual void select_function_tabs(const FunctionSwitchTabs& tabs) = 0;
    // The rest do nothing unless a view shows them.
    // Arms one of the page's timers; arming it again replaces the pending one. When it fires
    // the controller's matching operation runs as the page's device work.
    virtual void start_page_timer(PageTimer /*timer*/, int /*delay_ms*/) {}
    // The colour records changed: repaint the lights when the page is shown.
    virtual void lights_changed() {}
    // The page's state changed on the device's side (another on-board profile, settings read
    // again): redraw everything the page shows from the controller.
    virtual void redraw() {}
};

}  // namespace ilmo::device
