#pragma once
// The scanner and the presence logic on one emulated bus, driven one scan pass at a time:
// slot changes reach presence synchronously, as the main window's blocking call makes them.

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
          presence(view, scanner.slot_table(), recorder.trace_sink()) {
        presence.start();
    }

    void plug(SimProduct product) {
        bus->plug(product);
        scanner.scan_once();
    }
    void unplug(SimProduct product) {
        bus->unplug(product);
        scanner.scan_once();
    }
    // Fires a timer the way the window does: only one that is armed, and it is then spent.
    void fire(int page, ItemTimer timer) {
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
    DeviceScanner scanner;
    DevicePresence presence;
};

}  // namespace ilmo::presence::testing
