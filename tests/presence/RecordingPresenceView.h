#pragma once
// A main window made of records: it creates real controllers on the emulated bus and notes
// what presence told it to show, select and arm.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "presence/PresenceView.h"

namespace ilmo::presence::testing {

class RecordingPresenceView : public PresenceView {
public:
    struct Item {
        bool visible = false;
        bool selected = false;
        std::map<ItemTimer, int> armed_ms;
        int frames_sent = 0;
        bool drives_frames = true;
    };

    RecordingPresenceView(device::HidBackend& backend, device::TraceSink trace,
                          device::SleepFn sleep)
        : backend_(backend), trace_(std::move(trace)), sleep_(std::move(sleep)) {}

    device::CTavrinUSBDevice* create_page(int page, int option_row, int slot) override {
        ++create_calls;
        if (failing_option_rows.count(option_row) != 0) return nullptr;
        EXPECT_EQ(page, static_cast<int>(controllers.size()));
        controllers.push_back(std::make_unique<device::CTavrinUSBDevice>(
            backend_, option_row, device::DeviceFolders{}, "", trace_, sleep_));
        controllers.back()->set_identity(slot);
        items.emplace_back();
        return controllers.back().get();
    }
    void set_item_visible(int page, bool visible) override { item(page).visible = visible; }
    void set_item_selected(int page, bool selected) override { item(page).selected = selected; }
    void show_page(int page) override { shown_page = page; }
    void show_no_device(bool shown) override { no_device_shown = shown; }
    void set_sync_offered(bool offered) override { sync_offered = offered; }
    void clear_sync_choices() override { ++sync_clears; }
    void raise_main_window() override { ++raises; }
    void start_item_timer(int page, ItemTimer timer, int delay_ms) override {
        item(page).armed_ms[timer] = delay_ms;
    }
    void stop_item_timer(int page, ItemTimer timer) override { item(page).armed_ms.erase(timer); }
    bool send_light_frame(int page) override {
        ++item(page).frames_sent;
        return item(page).drives_frames;
    }
    void refresh_page(int) override {}
    void close_child_windows() override { ++child_window_closes; }
    void switch_hooks_off() override { ++hooks_switched_off; }
    void close_settings_window() override { ++settings_closes; }

    Item& item(int page) { return items.at(static_cast<size_t>(page)); }
    // The delay a pending timer was armed with; -1 when it is not armed.
    int armed(int page, ItemTimer timer) {
        const auto found = item(page).armed_ms.find(timer);
        return found == item(page).armed_ms.end() ? -1 : found->second;
    }

    std::set<int> failing_option_rows;
    std::vector<std::unique_ptr<device::CTavrinUSBDevice>> controllers;
    std::vector<Item> items;
    int create_calls = 0, shown_page = -1, sync_clears = 0, raises = 0;
    int child_window_closes = 0, hooks_switched_off = 0, settings_closes = 0;
    bool no_device_shown = false, sync_offered = false;

private:
    device::HidBackend& backend_;
    device::TraceSink trace_;
    device::SleepFn sleep_;
};

}  // namespace ilmo::presence::testing
