// The timing model: a report takes at least one 1 ms frame, and its answer another; the
// device's reports queue for their frames on the way in.

#include <gtest/gtest.h>

#include <chrono>

#include "SimTestSupport.h"
#include "sim/UsbFrameClock.h"

namespace ilmo::sim {
namespace {

using namespace std::chrono_literals;
using Clock = UsbFrameClock::Clock;

TEST(UsbFrameClock, ReportsCompleteAtTheNextFreeFrameBoundaryOfTheirRoute) {
    const Clock::time_point epoch{};
    UsbFrameClock frames(2, epoch);
    EXPECT_EQ(frames.next_boundary(epoch + 300us), epoch + 1ms);
    EXPECT_EQ(frames.next_boundary(epoch + 1ms), epoch + 2ms);

    EXPECT_EQ(frames.reserve(0, epoch + 300us), epoch + 1ms);
    EXPECT_EQ(frames.reserve(0, epoch + 400us), epoch + 2ms);  // frame 1 is taken
    EXPECT_EQ(frames.reserve(1, epoch + 400us), epoch + 1ms);  // another device's frames
    EXPECT_EQ(frames.reserve(0, epoch + 7500us), epoch + 8ms);
}

// Each request and each answer takes a frame; only the first starts part-way through one.
TEST(UsbTiming, TwoRoundTripsTakeAtLeastThreeFrames) {
    test::PluggedBus plugged;
    plugged.bus->set_usb_timing(true);
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    const auto start = Clock::now();
    ASSERT_TRUE(test::transact(*keyboard, test::read_request(0x03, 0, 34)));
    ASSERT_TRUE(test::transact(*keyboard, test::read_request(0x03, 0, 34)));
    EXPECT_GE(Clock::now() - start, 3 * UsbFrameClock::kFrame);
}

TEST(UsbTiming, EveryReportFromTheDeviceTakesAFrameOfItsOwn) {
    test::PluggedBus plugged;
    plugged.bus->set_usb_timing(true);
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    const auto start = Clock::now();
    for (int i = 0; i < 4; ++i) plugged.bus->send_event(SimProduct::Keyboard, 0x0404);
    test::Bytes report(3);
    size_t transferred = 0;
    for (int i = 0; i < 4; ++i) ASSERT_EQ(events->read(report, transferred, 1000), 1);
    EXPECT_GE(Clock::now() - start, 3 * UsbFrameClock::kFrame);
}

}  // namespace
}  // namespace ilmo::sim
