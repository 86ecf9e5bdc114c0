#pragma once
// The device selector strip: one item per device page, which of them are shown and which
// one is selected, "No_device_Link" when none is usable, and the sync choice that is only
// offered while more than one device is usable. UI thread only.

#include <vector>

#include "presence/PresencePage.h"
#include "presence/PresenceView.h"

namespace ilmo::presence {

class DeviceSelector {
public:
    explicit DeviceSelector(PresenceView& view) : view_(view) {}

    // Appends a page; its index is its position in the strip.
    int add_page(int option_row, device::CTavrinUSBDevice* controller);
    int page_count() const { return static_cast<int>(pages_.size()); }
    bool valid(int index) const { return index >= 0 && index < page_count(); }
    PresencePage& page(int index) { return pages_.at(static_cast<size_t>(index)); }
    const PresencePage& page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    // The page whose controller serves the slot's product, over either connection; -1 none.
    int page_serving(int slot) const;

    // Shows or hides the item; selecting also switches the page switcher to it. Then the
    // listing is refreshed.
    void select_page(int index, bool visible, bool select);
    // Hides the item. Hiding the one the user is looking at first closes the windows that
    // work on it and turns the input hooks off.
    void hide_page(int index);
    // Shows the item, selected when no other usable item is in the strip.
    void show_item(int index);
    // "No_device_Link" and the sync offer, from the usable items.
    void refresh_listing();

    // The controller of the first usable, selected item; nullptr when none.
    device::CTavrinUSBDevice* selected_device() const;
    // The item's sync choice; its controller's sync flag follows it (and is cleared with it
    // when the choice is withdrawn).
    void set_sync_choice(int index, bool chosen);

private:
    bool any_other_listed(int index) const;
    int first_listed() const;
    int listed_count() const;
    void set_selected(int index, bool selected);

    PresenceView& view_;
    std::vector<PresencePage> pages_;
};

}  // namespace ilmo::presence
