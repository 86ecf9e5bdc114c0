#include "presence/DeviceSelector.h"

namespace ilmo::presence {

int DeviceSelector::add_page(int option_row, device::CTavrinUSBDevice* controller) {
    PresencePage page;
    page.option_row = option_row;
    page.controller = controller;
    pages_.push_back(page);
    return page_count() - 1;
}

int DeviceSelector::page_serving(int slot) const {
    const int identity = device::identity_row(slot);
    if (identity < 0) return -1;
    for (int index = 0; index < page_count(); ++index) {
        if (device::identity_row(page(index).controller->slot()) == identity) return index;
    }
    return -1;
}

void DeviceSelector::select_page(int index, bool visible, bool select) {
    if (!valid(index)) return;
    page(index).item_visible = visible;
    view_.set_item_visible(index, visible);
    if (select) {
        for (int other = 0; other < page_count(); ++other)
            if (other != index && page(other).item_selected) set_selected(other, false);
        view_.show_page(index);
        set_selected(index, true);
    }
    refresh_listing();
}

void DeviceSelector::hide_page(int index) {
    if (!valid(index)) return;
    const PresencePage& hidden = page(index);
    if (hidden.item_visible && hidden.item_selected) {
        view_.close_child_windows();
        view_.switch_hooks_off();
    }
    if (hidden.item_selected) set_selected(index, false);
    select_page(index, false, false);
    // The user keeps looking at the page they chose; only when it was the hidden one does
    // the first usable item take its place.
    if (selected_device() == nullptr) {
        const int next = first_listed();
        if (next >= 0) select_page(next, true, true);
    }
}

void DeviceSelector::show_item(int index) {
    if (!valid(index)) return;
    select_page(index, true, !any_other_listed(index));
}

void DeviceSelector::refresh_listing() {
    const int listed = listed_count();
    view_.show_no_device(listed == 0);
    view_.set_sync_offered(listed > 1);
    // Synchronising a single device means nothing: one choice alone is withdrawn too.
    int chosen = 0;
    bool any_chosen = false;
    for (const PresencePage& p : pages_) {
        any_chosen = any_chosen || p.sync_chosen;
        if (p.listed() && p.sync_chosen) ++chosen;
    }
    if (chosen > 1 || !any_chosen) return;
    for (PresencePage& p : pages_) {
        p.sync_chosen = false;
        p.controller->set_sync_flag(false);
    }
    view_.clear_sync_choices();
}

device::CTavrinUSBDevice* DeviceSelector::selected_device() const {
    for (const PresencePage& p : pages_)
        if (p.listed() && p.item_selected) return p.controller;
    return nullptr;
}

void DeviceSelector::set_sync_choice(int index, bool chosen) {
    if (!valid(index)) return;
    page(index).sync_chosen = chosen;
    page(index).controller->set_sync_flag(chosen);
}

bool DeviceSelector::any_other_listed(int index) const {
    for (int other = 0; other < page_count(); ++other)
        if (other != index && page(other).listed()) return true;
    return false;
}

int DeviceSelector::first_listed() const {
    for (int index = 0; index < page_count(); ++index)
        if (page(index).listed()) return index;
    return -1;
}

int DeviceSelector::listed_count() const {
    int count = 0;
    for (const PresencePage& p : pages_) count += p.listed() ? 1 : 0;
    return count;
}

void DeviceSelector::set_selected(int index, bool selected) {
    page(index).item_selected = selected;
    view_.set_item_selected(index, selected);
}

}  // namespace ilmo::presence
