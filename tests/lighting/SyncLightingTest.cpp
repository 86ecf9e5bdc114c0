#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>

#include "device/CommandResult.h"
#include "lighting/SyncLighting.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::CTavrinUSBDevice;
using sim::SimProduct;

constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;
// Longer than any test may take: the worker only leaves its idle wait when woken.
constexpr int kEndlessIdleMs = 3'600'000;
// Only keeps a broken build from hanging.
constexpr auto kHangGuard = std::chrono::seconds(20);

// Counts the pages' repaint requests (which also send a frame to devices whose frames follow
// their lights).
class CountingView : public device::DeviceView {
public:
    void show_power(const device::PowerStatus&) override {}
    void select_function_tabs(const device::FunctionSwitchTabs&) override {}
    void lights_changed() override { ++changes; }
    std::atomic<int> changes{0};
};

template <typename Condition>
bool eventually(Condition condition) {
    const auto give_up = std::chrono::steady_clock::now() + kHangGuard;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > give_up) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class SyncLightingTest : public ::testing::Test {
protected:
    SyncLightingTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          sync(
              [this](std::string_view line) {
                  std::lock_guard lock(mutex);
                  traces.emplace_back(line);
              },
              {}, kEndlessIdleMs) {
        bus->plug_all();
    }
    ~SyncLightingTest() override { stop_worker(); }

    // Kept by the fixture, so they outlive the worker even when a test ends early.
    CTavrinUSBDevice* attached(int page_row, SimProduct product) {
        auto device = std::make_unique<CTavrinUSBDevice>(backend, page_row, device::DeviceFolders{},
                                                         "", device::TraceSink{});
        EXPECT_EQ(
            device->attach_command_interface(bus->command_path(product), device->option().kind),
            device::Result::kOk);
        sync.add_device(device.get());
        devices.push_back(std::move(device));
        return devices.back().get();
    }
    // Starts the worker and gives it time to settle into its wait, so that what follows
    // has to rouse it (a slow start only makes the test less strict, never fail).
    void start_worker() {
        worker = std::async(std::launch::async, [this] { sync.run(stop); });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // True when the worker ended within the hang guard.
    bool stop_worker() {
        if (!worker.valid()) return true;
        stop.set();
        sync.wake();
        const bool ended = worker.wait_for(kHangGuard) == std::future_status::ready;
        if (ended) worker.get();
        return ended;
    }
    bool traced(const std::string& line) {
        std::lock_guard lock(mutex);
        return std::find(traces.begin(), traces.end(), line) != traces.end();
    }

    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    std::mutex mutex;
    std::vector<std::string> traces;
    std::vector<std::unique_ptr<CTavrinUSBDevice>> devices;
    CountingView keyboard_page, mouse_page;
    SyncLighting sync;
    device::StopEvent stop;
    std::future<void> worker;
};

TEST_F(SyncLightingTest, OnlyDevicesTakingPartShowTheCommonColour) {
    auto keyboard = attached(kKeyboardPage, SimProduct::Keyboard);
    auto pad = attached(kPadPage, SimProduct::MousePad);
    auto mouse = attached(kMousePage, SimProduct::Mouse);
    keyboard->set_view(&keyboard_page);
    mouse->set_view(&mouse_page);
    const ColorRecord mouse_before = mouse->color(0);
    start_worker();  // idle: nobody takes part yet
    // Ticked before any effect was started, devices breathe the colours rather than go dark.
    SyncState unstarted = sync.state();
    EXPECT_TRUE(unstarted.colourful);
    int brightest = 0;
    for (int step = 0; step < 64; ++step)
        brightest = std::max<int>(brightest, sync_step(unstarted, step).brightness);
    EXPECT_GT(brightest, 200);
    const device::LightRecord steady_green{.mode = 6, .brightness = 1, .green = 200};
    ASSERT_EQ(sync.start(device::ControllerKind::Keyboard, steady_green), SyncType::Steady);
    // Ticking a device rouses the idle worker; the common colour reaches every light.
    keyboard->set_sync_flag(true);
    pad->set_sync_flag(true);
    sync.wake();
    const ColorRecord green{0, 200, 0, 80};
    ASSERT_TRUE(eventually([&] {
        return keyboard->color(0) == green &&
               keyboard->color(keyboard->light_count() - 1) == green &&
               pad->color(pad->light_count() - 1) == green;
    }));
    EXPECT_EQ(mouse->color(0), mouse_before);
    EXPECT_GT(keyboard_page.changes, 0);
    EXPECT_EQ(mouse_page.changes, 0);
    // A mode without a sync effect leaves the common one as it was.
    EXPECT_FALSE(sync.start(device::ControllerKind::Keyboard, {.mode = 12, .red = 9}));
    EXPECT_EQ(sync.state().type, SyncType::Steady);
    EXPECT_EQ(sync.state().colour, (device::Rgb{0, 200, 0}));
}

TEST_F(SyncLightingTest, StopsAtOnceWhetherIdleOrStepping) {
    start_worker();
    EXPECT_TRUE(stop_worker());  // from its idle wait, which would otherwise last an hour
    EXPECT_TRUE(traced("同步灯光线程设定退出"));

    auto keyboard = attached(kKeyboardPage, SimProduct::Keyboard);
    auto pad = attached(kPadPage, SimProduct::MousePad);
    keyboard->set_sync_flag(true);
    pad->set_sync_flag(true);
    stop.reset();
    start_worker();
    ASSERT_TRUE(eventually([&] { return keyboard->color(0).brightness != 0xFF; }));
    EXPECT_TRUE(stop_worker());
}

}  // namespace
}  // namespace ilmo::lighting
