#pragma once
// What presence keeps about one device page and its selector item.

#include "device/CTavrinUSBDevice.h"

namespace ilmo::presence {

struct PresencePage {
    int option_row = -1;                             // row of the device option table
    device::CTavrinUSBDevice* controller = nullptr;  // owned by the window
    bool connected = false;                          // the command channel is open
    bool on_receiver_link = false;                   // reached through its 2.4 GHz receiver
    bool sync_chosen = false;                        // takes part in synchronised lighting
    bool item_visible = false;
    bool item_selected = false;
    int presence_retries = 0;  // unanswered presence checks, wrapping at 20

    // Shown in the selector as a usable device.
    bool listed() const { return connected && item_visible; }
    bool has_power_display() const { return controller->page().has_power_display; }
    device::ControllerKind controller_kind() const {
        return device::controller_for(controller->option().kind);
    }
};

}  // namespace ilmo::presence
