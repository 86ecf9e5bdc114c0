#pragma once
// The scanner and the presence logic on one emulated bus, driven one scan pass at a time:
// slot changes reach presence synchronously, as the main window's blocking call makes them.
// Device work runs when the test lets it, on the test's thread.

#include <deque>
#include <memory>

#include "RecordingPresenceView.h"
#include "device/ChannelFixture.h"
#include "presence/DevicePresence.h"
#include "presence/DeviceScanner.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::presence::testing {

using sim::SimProduct;

// Pages in the order of the device option table.
constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;
constexpr int kHeadsetPage = 3;

// A job is "running" until the test finishes it: the test decides what the UI thread sees in
// between.
class ManualDeviceJobs : public DeviceJobs {
public:
    void run(Task work, Task done) override {
        waiting.emplace_back(std::move(work), std::move(done));
    }
    // Runs the oldest job, then hands its outcome back; false when none waits.
    bool finish_one() {
        if (waiting.empty()) return false;
        auto [work, done] = std::move(waiting.front());
        waiting.pop_front();
        work();
        done();
        return true;
    }
    void finish_all() {
        while (finish_one()) {
        }
    }
    std::deque<std::pair<Task, Task>> waiting;
};

class PresenceTest : public ::testing::Test {
protected:
    PresenceTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          view(backend, recorder.trace_sink(), recorder.sleeper()),
          scanner(backend, std::make_shared<StopEvent>(),
                  {[this](int slot) { presence.arrival(slot); },
                   [this](int slot) { presence.removal(slot); },
                   {}},
                  recorder.trace_sink()),
          presence(view, scanner.slot_table(), jobs, recorder.trace_sink()) {
        presence.start();
    }

    // Each of these lets the device work it started run to its end.
    void plug(SimProduct product) {
        bus->plug(product);
        scanner.scan_once();
        jobs.finish_all();
    }
    void unplug(SimProduct product) {
        bus->unplug(product);
        scanner.scan_once();
        jobs.finish_all();
    }
    void fire(int page, ItemTimer timer) {
        fire_leaving_work(page, timer);
        jobs.finish_all();
    }
    // Fires a timer the way the window does: only one that is armed, and it is then spent.
    void fire_leaving_work(int page, ItemTimer timer) {
        ASSERT_GE(view.armed(page, timer), 0) << "timer " << static_cast<int>(timer);
        view.item(page).armed_ms.erase(timer);
        presence.item_timer_fired(page, timer);
    }
    device::CTavrinUSBDevice& controller(int page) { return *view.controllers.at(page); }
    bool wireless(int page) { return controller(page).command_channel().wireless(); }

    device::testing::Recorder recorder;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    RecordingPresenceView view;
    ManualDeviceJobs jobs;
    DeviceScanner scanner;
    DevicePresence presence;
};

}  // namespace ilmo::presence::testing
