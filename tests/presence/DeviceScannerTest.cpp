#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "HarnessBackend.h"
#include "device/ChannelFixture.h"
#include "presence/DeviceScanner.h"
#include "presence/WorkerTable.h"

namespace ilmo::presence::testing {
namespace {

using sim::SimProduct;
using Outcome = DeviceScanner::PassOutcome;

// What the scanner reported, readable while its thread runs.
struct SlotLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> arrivals, removals;
    int first_passes = 0;

    DeviceScanner::Callbacks callbacks() {
        return {[this](int slot) { note(&arrivals, slot); },
                [this](int slot) { note(&removals, slot); }, [this] { note(nullptr, 0); }};
    }
    void note(std::vector<int>* list, int slot) {
        std::lock_guard lock(mutex);
        if (list)
            list->push_back(slot);
        else
            ++first_passes;
        changed.notify_all();
    }
    bool wait_for_arrival(int slot) {  // hang guard only
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(30), [&] {
            return std::find(arrivals.begin(), arrivals.end(), slot) != arrivals.end();
        });
    }
    // Arrivals follow the enumeration's order, which is the backend's business.
    std::vector<int> sorted_arrivals() {
        std::lock_guard lock(mutex);
        auto copy = arrivals;
        std::sort(copy.begin(), copy.end());
        return copy;
    }
};

class DeviceScannerTest : public ::testing::Test {
protected:
    device::testing::Recorder recorder;
    SlotLog log;
    std::shared_ptr<sim::SimBus> bus = std::make_shared<sim::SimBus>();
    HarnessBackend backend{bus};
    DeviceScanner scanner{backend, std::make_shared<StopEvent>(), log.callbacks(),
                          recorder.trace_sink()};
};

TEST_F(DeviceScannerTest, PluggingAndUnpluggingClaimsAndReleasesSlots) {
    EXPECT_EQ(scanner.scan_once(), Outcome::Settled);
    EXPECT_EQ(log.first_passes, 1);  // announced even with nothing plugged
    bus->plug(SimProduct::Keyboard);
    scanner.scan_once();
    scanner.scan_once();  // nothing is reported twice
    EXPECT_EQ(log.sorted_arrivals(), (std::vector<int>{0, 1}));
    EXPECT_EQ(scanner.slot_table().slot(0).path, bus->command_path(SimProduct::Keyboard));

    bus->unplug(SimProduct::Keyboard);
    scanner.scan_once();
    EXPECT_EQ(log.removals, (std::vector<int>{0, 1}));
    EXPECT_TRUE(scanner.slot_table().slot(0).free());
    bus->plug(SimProduct::Keyboard);
    scanner.scan_once();
    EXPECT_EQ(log.sorted_arrivals(), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(log.first_passes, 1);
}

TEST_F(DeviceScannerTest, OnlySupportedInterfacesAreClaimedAndAFullTableIsNotListed) {
    bus->plug(SimProduct::Mouse);  // it also has boot-mouse and other vendor collections
    scanner.scan_once();
    EXPECT_EQ(log.sorted_arrivals(), (std::vector<int>{4, 5}));
    bus->plug_all();
    scanner.scan_once();
    EXPECT_EQ(log.sorted_arrivals(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    const int listings = backend.enumerations;
    bus->unplug(SimProduct::Headset);
    scanner.scan_once();  // the open test still runs
    EXPECT_EQ(backend.enumerations, listings);
    EXPECT_EQ(log.removals, (std::vector<int>{10}));
}

TEST_F(DeviceScannerTest, SecondIdenticalDeviceIsIgnored) {
    backend.second_port = SimProduct::Keyboard;
    bus->plug(SimProduct::Keyboard);
    scanner.scan_once();
    scanner.scan_once();
    EXPECT_EQ(log.sorted_arrivals(), (std::vector<int>{0, 1}));
}

TEST_F(DeviceScannerTest, CandidateThatCannotBeOpenedYetIsRetriedSoon) {
    bus->plug(SimProduct::MousePad);
    backend.refused.insert(bus->command_path(SimProduct::MousePad));
    EXPECT_EQ(scanner.scan_once(), Outcome::RetrySoon);
    EXPECT_EQ(log.arrivals, (std::vector<int>{9}));
    backend.refused.clear();  // access granted
    EXPECT_EQ(scanner.scan_once(), Outcome::Settled);
    EXPECT_EQ(log.arrivals, (std::vector<int>{9, 8}));
}

TEST_F(DeviceScannerTest, ScanEndsWhenInterfacesCannotBeListed) {
    backend.listing_fails = true;
    scanner.run();  // returns with no stop asked for
    EXPECT_EQ(log.first_passes, 0);
    EXPECT_EQ(recorder.count("device scan ends"), 1);
}

TEST(DeviceScannerThread, RunsOnItsWorkerEntryAndStopsAtOnce) {
    device::testing::Recorder recorder;
    SlotLog log;
    auto bus = std::make_shared<sim::SimBus>();
    sim::SimBackend backend(bus);
    WorkerTable workers(recorder.trace_sink());
    // An idle wait far beyond the stop wait: only the wake can end the scan in time.
    DeviceScanner scanner(backend, workers.stop_event(WorkerTable::kDeviceScanEntry),
                          log.callbacks(), recorder.trace_sink(), 600000);
    bus->plug(SimProduct::Mouse);
    ASSERT_TRUE(workers.start(
        WorkerTable::kDeviceScanEntry, [&scanner](StopEvent&) { scanner.run(); },
        [&scanner] { scanner.request_stop(); }));
    ASSERT_TRUE(log.wait_for_arrival(5));
    bus->plug(SimProduct::KeyboardReceiver);  // seen without sitting out the idle wait
    ASSERT_TRUE(log.wait_for_arrival(2));

    workers.stop_all();
    EXPECT_EQ(log.first_passes, 1);
    EXPECT_EQ(recorder.count("抓取设备线程设定退出"), 1);
    EXPECT_EQ(recorder.count("所有对象处于激发状态\n"), 1);
    EXPECT_EQ(recorder.count("所有对象处于非激发状态，超时\n"), 0);
}

}  // namespace
}  // namespace ilmo::presence::testing
