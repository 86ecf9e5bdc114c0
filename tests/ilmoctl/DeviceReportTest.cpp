#include "DeviceReport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/InterfaceSurvey.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::ctl {
namespace {

constexpr int kHeadsetSlot = 10;

TEST(DeviceReport, AHeadsetWhoseOpenFailedIsAFailure) {
    auto bus = std::make_shared<sim::SimBus>();
    bus->plug(sim::SimProduct::Headset);
    sim::SimBackend backend(bus);
    device::SlotTable slots;
    ASSERT_TRUE(device::survey_interfaces(backend, slots).listed);
    ASSERT_TRUE(slots.occupied(kHeadsetSlot));

    const DeviceReport present = read_device_report(backend, slots, kHeadsetSlot, {});
    EXPECT_TRUE(present.ok());

    // Gone between the listing and the report: the open fails and so does the report.
    bus->unplug(sim::SimProduct::Headset);
    const DeviceReport gone = read_device_report(backend, slots, kHeadsetSlot, {});
    EXPECT_FALSE(gone.ok());
    EXPECT_THAT(format_device_report(gone), ::testing::HasSubstr("open failed"));
}

}  // namespace
}  // namespace ilmo::ctl
