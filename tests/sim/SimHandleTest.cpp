// Handles behave as hidraw nodes do: share rules, one bounded queue per open node holding
// the input reports of all its collections, and reads that end at once on abort or unplug.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "SimTestSupport.h"
#include "sim/ReportQueue.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::PluggedBus;
using test::read_request;
using test::transact;

constexpr device::OpenOptions kExclusive{.exclusive = true};
constexpr device::OpenOptions kReadOnly{.want_write = false};

int read_code(device::HidHandle& handle, int timeout_ms = 1000) {
    Bytes report(3);
    size_t transferred = 0;
    if (handle.read(report, transferred, timeout_ms) != 1 || transferred != 3) return -1;
    return report[1] | report[2] << 8;
}

TEST(SimHandleSharing, ExclusiveHandleLeavesOthersOnlyReading) {
    PluggedBus plugged;
    const auto path = plugged.bus->command_path(SimProduct::Keyboard);
    auto writer = plugged.open(path);
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(plugged.open(path, kExclusive), nullptr);
    writer.reset();

    auto exclusive = plugged.open(path, kExclusive);
    ASSERT_NE(exclusive, nullptr);
    EXPECT_EQ(plugged.open(path), nullptr);
    EXPECT_EQ(plugged.open(path, kExclusive), nullptr);
    auto reader = plugged.open(path, kReadOnly);
    ASSERT_NE(reader, nullptr);
    size_t transferred = 0;
    EXPECT_EQ(reader->write(read_request(0x03, 0, 34), transferred, 100), 0);

    // Another collection of the same interface is not affected.
    EXPECT_NE(plugged.open(plugged.bus->event_path(SimProduct::Keyboard)), nullptr);
    exclusive.reset();
    EXPECT_NE(plugged.open(path), nullptr);
}

TEST(SimHandleReports, EveryReaderGetsItsOwnCopy) {
    PluggedBus plugged;
    const auto events = plugged.bus->event_path(SimProduct::MousePad);
    auto first = plugged.open(events);
    auto second = plugged.open(events, kReadOnly);
    ASSERT_TRUE(plugged.bus->send_event(SimProduct::MousePad, 0x0401));
    EXPECT_EQ(read_code(*first), 0x0401);
    EXPECT_EQ(read_code(*second), 0x0401);
    EXPECT_EQ(read_code(*first, 0), -1);

    // Answers to commands reach every reader of the command collection too.
    auto commands = plugged.open_command(SimProduct::MousePad);
    auto listener = plugged.open(plugged.bus->command_path(SimProduct::MousePad), kReadOnly);
    ASSERT_TRUE(transact(*commands, read_request(0x1A, 0, 6)));
    Bytes overheard(64);
    size_t transferred = 0;
    EXPECT_EQ(listener->read(overheard, transferred, 1000), 1);
    EXPECT_EQ(overheard[3], 0x1A);
    // Reports of other products do not reach it.
    ASSERT_TRUE(plugged.bus->send_event(SimProduct::Keyboard, 0x0402));
    EXPECT_EQ(read_code(*first, 0), -1);
}

TEST(SimHandleReports, AFullQueueKeepsTheOldestAndDropsWhatArrivesLater) {
    PluggedBus plugged;
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    // The kernel's ring has 64 slots and keeps one free.
    constexpr int kHeld = 63;
    for (int code = 0; code < kHeld + 6; ++code) {
        plugged.bus->send_event(SimProduct::Keyboard, static_cast<uint16_t>(code));
    }
    for (int code = 0; code < kHeld; ++code) ASSERT_EQ(read_code(*events, 0), code);
    EXPECT_EQ(read_code(*events, 0), -1);
}

// A slow answer still on its way takes no slot and does not hold back what arrives first.
TEST(SimHandleReports, ReportsInFlightWaitOutsideTheQueue) {
    ReportQueue queue;
    const auto now = ReportQueue::Clock::now();
    queue.push({0xAA}, now + std::chrono::hours(1));
    for (uint8_t i = 0; i < ReportQueue::kCapacityReports; ++i) queue.push({i}, now);
    for (uint8_t i = 0; i < ReportQueue::kCapacityReports; ++i) EXPECT_EQ(queue.pop(0), Bytes{i});
    EXPECT_EQ(queue.pop(0), std::nullopt);
    EXPECT_EQ(queue.dropped(), 0u);
}

// One open node queues the reports of all its collections: events that nobody reads on the
// command handle fill its queue until the answer to the next command has no room.
TEST(SimHandleReports, CollectionsOfANodeShareOneQueuePerOpenHandle) {
    PluggedBus plugged;
    auto commands = plugged.open_command(SimProduct::Keyboard);
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    plugged.bus->send_event(SimProduct::Keyboard, 0x0404);
    // Each handle reads only its own collection's reports and skips the others.
    const auto answer = transact(*commands, read_request(0x03, 0, 34));
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)[3], 0x03);
    EXPECT_EQ(read_code(*events, 0), 0x0404);
    EXPECT_EQ(read_code(*events, 0), -1);  // the answer was there and was skipped

    for (int i = 0; i < 63; ++i) plugged.bus->send_event(SimProduct::Keyboard, 0x0404);
    EXPECT_FALSE(transact(*commands, read_request(0x03, 0, 34), 20));
    // Reading emptied the queue: the next command is answered again.
    EXPECT_TRUE(transact(*commands, read_request(0x03, 0, 34)));
    // Another interface of the product is another node with a queue of its own.
    auto boot = plugged.open("sim/keyboard#vid_320f&pid_5012&mi_00");
    plugged.bus->send_event(SimProduct::Keyboard, 0x0404);
    Bytes report(64);
    size_t transferred = 0;
    EXPECT_EQ(boot->read(report, transferred, 0), 0);
}

TEST(SimHandleReports, ShortBufferGetsTheBeginningOfTheReport) {
    PluggedBus plugged;
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Mouse));
    plugged.bus->send_event(SimProduct::Mouse, 0x0403);
    Bytes two(2);
    size_t transferred = 0;
    ASSERT_EQ(events->read(two, transferred, 1000), 1);
    EXPECT_EQ(transferred, 2u);
    EXPECT_EQ(two, (Bytes{0x03, 0x03}));
}

// The reader thread blocks without a time-out; only abort or unplug can end it.
int blocked_read_ended_by(device::HidHandle& handle, const std::function<void()>& end_it) {
    int result = -1;
    std::thread reader([&] {
        Bytes report(64);
        size_t transferred = 0;
        result = handle.read(report, transferred, -1);
    });
    end_it();
    reader.join();
    return result;
}

TEST(SimHandleEnding, AbortEndsABlockedReadAndEveryLaterOne) {
    PluggedBus plugged;
    auto events = plugged.open(plugged.bus->event_path(SimProduct::MouseReceiver));
    EXPECT_EQ(blocked_read_ended_by(*events, [&] { events->abort(); }), 0);
    plugged.bus->send_event(SimProduct::MouseReceiver, 0x0401);
    EXPECT_EQ(read_code(*events, 0), -1);
    auto commands = plugged.open_command(SimProduct::MouseReceiver);
    commands->abort();
    size_t transferred = 0;
    EXPECT_EQ(commands->write(read_request(0xAA, 0, 0), transferred, 100), 0);
}

TEST(SimHandleEnding, UnplugEndsABlockedReadForGood) {
    PluggedBus plugged;
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    auto commands = plugged.open_command(SimProduct::Keyboard);
    EXPECT_EQ(blocked_read_ended_by(*events, [&] { plugged.bus->unplug(SimProduct::Keyboard); }),
              0);
    size_t transferred = 0;
    EXPECT_EQ(commands->write(read_request(0x03, 0, 34), transferred, 100), 0);
    EXPECT_EQ(plugged.open_command(SimProduct::Keyboard), nullptr);

    plugged.bus->plug(SimProduct::Keyboard);
    EXPECT_EQ(commands->write(read_request(0x03, 0, 34), transferred, 100), 0);
    auto fresh = plugged.open_command(SimProduct::Keyboard);
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(transact(*fresh, read_request(0x03, 0, 34)));
}

TEST(SimBackendPresence, ListsOnlyPluggedProducts) {
    auto bus = std::make_shared<SimBus>();
    SimBackend backend(bus);
    std::vector<std::string> paths{"stale"};
    ASSERT_TRUE(backend.enumerate(paths));
    EXPECT_TRUE(paths.empty());
    bus->plug(SimProduct::Headset);
    bus->plug(SimProduct::MousePad);
    ASSERT_TRUE(backend.enumerate(paths));
    auto expected = bus->paths(SimProduct::MousePad);
    expected.push_back("sim/headset#vid_0c76&pid_1630&mi_03");
    std::sort(paths.begin(), paths.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths, expected);
    EXPECT_TRUE(backend.present(bus->command_path(SimProduct::MousePad)));
    EXPECT_FALSE(backend.present(bus->command_path(SimProduct::Keyboard)));
    EXPECT_FALSE(backend.present("sim/mousepad#vid_320f&pid_1004&mi_01&col09"));
    EXPECT_EQ(backend.open(bus->command_path(SimProduct::Keyboard), {}), nullptr);
}

TEST(SimBackendPresence, WaitForChangeWakesOnPlugAndOnWake) {
    auto bus = std::make_shared<SimBus>();
    SimBackend backend(bus);
    std::thread plugger([&] { bus->plug(SimProduct::Mouse); });
    backend.wait_for_change(-1);  // returns only because of the plug
    plugger.join();
    EXPECT_TRUE(bus->plugged(SimProduct::Mouse));

    std::thread waker([&] { backend.wake(); });
    backend.wait_for_change(-1);  // returns only because of the wake
    waker.join();

    // A change made while nobody waited is not lost.
    bus->unplug(SimProduct::Mouse);
    backend.wait_for_change(-1);
    SUCCEED();
}

}  // namespace
}  // namespace ilmo::sim
