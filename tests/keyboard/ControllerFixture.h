#pragma once
// A keyboard or pad controller on the emulated device, with its profile in a scratch folder
// and a view that records what the page would have been told.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>

#include "device/DeviceView.h"
#include "keyboard/KeyboardView.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::keyboard::testing {

inline constexpr int kKeyboardRow = 1;
inline constexpr int kPadRow = 2;

class PageRecords : public device::DeviceView, public KeyboardView {
public:
    void show_power(const device::PowerStatus& status) override {
        std::lock_guard lock(mutex);
        power.push_back(status);
    }
    void select_function_tabs(const device::FunctionSwitchTabs&) override {}
    void start_page_timer(device::PageTimer timer, int delay_ms) override {
        std::lock_guard lock(mutex);
        timers.emplace_back(timer, delay_ms);
    }
    void lights_changed() override { ++repaints; }
    void redraw() override { ++redraws; }
    void show_key_captions(const std::vector<KeyCaption>& shown) override {
        std::lock_guard lock(mutex);
        captions = shown;
    }
    void show_system_options(const SystemOptions& shown) override {
        std::lock_guard lock(mutex);
        options = shown;
    }
    bool confirm_firmware_update() override {
        ++firmware_questions;
        return accept_update;
    }
    void start_firmware_updater() override { ++updater_starts; }
    void quit_application() override { ++quits; }

    size_t timer_count() {
        std::lock_guard lock(mutex);
        return timers.size();
    }

    std::mutex mutex;
    std::vector<device::PowerStatus> power;
    std::vector<std::pair<device::PageTimer, int>> timers;
    std::vector<KeyCaption> captions;
    SystemOptions options;
    std::atomic<int> repaints{0};
    std::atomic<int> redraws{0};
    std::atomic<int> firmware_questions{0};
    std::atomic<int> updater_starts{0};
    std::atomic<int> quits{0};
    bool accept_update = false;
};

// A scratch user-data folder that goes with the test.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               (std::string("ilmo-kb-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

// Waits (as a hang guard only) until `done` holds.
template <class Done>
bool eventually(Done done) {
    for (int i = 0; i < 500; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

}  // namespace ilmo::keyboard::testing
