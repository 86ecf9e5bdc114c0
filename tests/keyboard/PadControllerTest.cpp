// The mouse-pad controller against the emulated pad: its record's two addresses, its
// refresh, its power and its events.

#include <gtest/gtest.h>

#include "ControllerFixture.h"
#include "device/CommandResult.h"
#include "keyboard/CTavrinMousePadDevice.h"
#include "profiles/JsonFile.h"
#include "sim/Firmware.h"

namespace ilmo::keyboard::testing {
namespace {

using device::Result;
using sim::FirmwareMemory;
using sim::SimProduct;

class PadControllerTest : public ::testing::Test {
protected:
    PadControllerTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          folders{ILMO_SOURCE_DIR, scratch.path},
          pad(backend, kPadRow, folders, std::string(device::device_folder_name(kPadRow)), {}) {
        pad.set_view(&page);
        document = folders.profile_folder(pad.device_folder_name()) / "p.Json";
        std::filesystem::create_directories(document.parent_path());
        static_cast<void>(pad.load_profile(document));
        bus->plug(SimProduct::MousePad);
        EXPECT_EQ(pad.attach_command_interface(bus->command_path(SimProduct::MousePad),
                                               device::DeviceKind::MousePad),
                  Result::kOk);
        EXPECT_EQ(pad.load_after_attach(), Result::kOk);
    }

    std::vector<uint8_t> configuration(size_t offset, size_t size) {
        return bus->with_firmware(SimProduct::MousePad, [&](sim::Firmware& f) {
            return f.read(FirmwareMemory::Configuration, offset, size);
        });
    }

    ScratchFolder scratch;
    PageRecords page;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    device::DeviceFolders folders;
    CTavrinMousePadDevice pad;
    std::filesystem::path document;
};

TEST_F(PadControllerTest, RefreshTakesThePadsModeAsItsListIndexAndKeepsItInTheProfile) {
    // The factory pad runs code 1, the first entry of the pad's list.
    device::LightRecord host = pad.lighting();
    host.mode = 6;
    ASSERT_TRUE(pad.change_lighting(host));
    ASSERT_EQ(pad.refresh_on_request(), Result::kOk);
    EXPECT_EQ(pad.lighting().mode, 0);
    EXPECT_EQ(profiles::read_json_file(document)["Device"][0]["LightInfo"]["SelectItem"].asInt(), 0);

    // A read that fails changes nothing.
    host.mode = 6;
    ASSERT_TRUE(pad.change_lighting(host));
    bus->set_faults(SimProduct::MousePad, {.forced_status = 0xFF});
    EXPECT_EQ(pad.refresh_on_request(), Result::kStatusError);
    EXPECT_EQ(pad.lighting().mode, 6);
}

TEST_F(PadControllerTest, AModePastTheListPlaysTheUsersEffect) {
    const auto folder = folders.profile_folder(pad.device_folder_name());
    ASSERT_TRUE(profiles::write_json_file(
        folder / "pelko_light.config",
        profiles::parse_json(R"({"LightInfo": [[], [], [{"LightName": "mine", "Guid": "e1"}]]})")));
    ASSERT_TRUE(profiles::write_json_file(
        folder / "e1.light", profiles::parse_json(R"({"LEDEffectList": [{"LEDREGMode": 1,
            "LEDBrightness": 4, "LEDSpeed": 2, "LEDDirection": 0, "LEDMultiColor": 0,
            "red": 0, "green": 200, "blue": 0, "Time": 1, "Cyle": 1}]})")));
    Json::Value doc = profiles::read_json_file(document);
    doc["Device"][0]["LightInfo"]["SelectItem"] = 9;  // the pad's list has 9 modes
    ASSERT_TRUE(profiles::write_json_file(document, doc));
    static_cast<void>(pad.load_profile(document));
    EXPECT_TRUE(eventually([&] { return pad.color(0) == device::ColorRecord{0, 200, 0, 255}; }));
    pad.detach();
}

TEST_F(PadControllerTest, WritesTheModeCodeAndInvertedSpeedKeepingThePadsOwnBytes) {
    bus->with_firmware(SimProduct::MousePad, [](sim::Firmware& f) {
        const std::array<uint8_t, 2> own{0x5A, 0xA5};
        return f.write(FirmwareMemory::Configuration, 9, own);
    });
    device::LightRecord light = pad.lighting();
    light.mode = 6;  // list index 6: the pad's code 7
    light.speed = 0;
    ASSERT_TRUE(pad.change_lighting(light));
    ASSERT_EQ(pad.write_lighting_settings(), Result::kOk);
    const auto record = configuration(0, 21);
    EXPECT_EQ(record[1], 7);
    EXPECT_EQ(record[3], 4);
    EXPECT_EQ(record[9], 0x5A);
    EXPECT_EQ(record[10], 0xA5);
}

TEST_F(PadControllerTest, PowerShowsThePhoneOnArrivalAndRefreshesArriveHalfASecondLater) {
    // No timer reads the pad's power: the arrival and the refreshes it asks for do.
    const auto shown = [&] {
        std::lock_guard lock(page.mutex);
        return page.power.empty() ? device::PowerStatus{} : page.power.back();
    };
    bus->set_power_status(SimProduct::MousePad, {.battery_percent = 55, .charge_state = 1,
                                                 .phone_type = 2});
    ASSERT_EQ(pad.load_after_attach(), Result::kOk);
    EXPECT_EQ(shown().phone_type(), 2);
    EXPECT_EQ(shown().battery_percent(), 55);
    bus->set_power_status(SimProduct::MousePad, {.battery_percent = 60, .phone_type = 1});
    ASSERT_EQ(pad.refresh_on_request(), Result::kOk);
    EXPECT_EQ(shown().phone_type(), 1);

    ASSERT_EQ(pad.attach_event_interface(bus->event_path(SimProduct::MousePad),
                                         device::DeviceKind::MousePad),
              Result::kOk);
    ASSERT_TRUE(bus->send_event(SimProduct::MousePad, 0x0404));
    ASSERT_TRUE(bus->send_event(SimProduct::MousePad, 0x0401));
    ASSERT_TRUE(eventually([&] { return page.timer_count() == 1; }));
    std::lock_guard lock(page.mutex);
    EXPECT_EQ(page.timers[0], (std::pair{device::PageTimer::Refresh, 500}));
}

}  // namespace
}  // namespace ilmo::keyboard::testing
