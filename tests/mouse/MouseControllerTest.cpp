// The mouse controller against the emulated mouse: what it reads when its page starts, what
// its writes leave in the mouse, its events, and what it does when the mouse is out of reach
// or goes in the middle of a write.

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "../keyboard/ControllerFixture.h"
#include "device/CommandResult.h"
#include "mouse/CTavrinMouseDevice.h"
#include "mouse/ShootImage.h"
#include "profiles/JsonFile.h"
#include "sim/Firmware.h"
#include "sim/OnboardSettings.h"

namespace ilmo::mouse {
namespace {

using device::Result;
using keyboard::testing::PageRecords;
using keyboard::testing::ScratchFolder;
using sim::FirmwareMemory;
using sim::SimProduct;
using Bytes = std::vector<uint8_t>;

constexpr int kMouseRow = 0;
static_assert(sim::kShootMemoryBytes == kShootMemoryBytes,
              "the host refuses shoot data by the room the emulated mouse has");

class MouseControllerTest : public ::testing::Test {
protected:
    MouseControllerTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          folders{ILMO_SOURCE_DIR, scratch.path},
          mouse(backend, kMouseRow, folders, std::string(device::device_folder_name(kMouseRow)),
                {}) {
        mouse.set_view(&page);
        mouse.set_screen_size({1920, 1080});
        document = folders.profile_folder(mouse.device_folder_name()) / "p.Json";
        std::filesystem::create_directories(document.parent_path());
        static_cast<void>(mouse.load_profile(document));
    }

    void plug_and_load(SimProduct product = SimProduct::Mouse) {
        bus->plug(product);
        const auto kind = sim::is_receiver(product) ? device::DeviceKind::MouseReceiver
                                                    : device::DeviceKind::Mouse;
        ASSERT_EQ(mouse.attach_command_interface(bus->command_path(product), kind), Result::kOk);
        ASSERT_EQ(mouse.load_after_attach(), Result::kOk);
    }

    Bytes memory(FirmwareMemory which, size_t offset, size_t size) {
        return bus->with_firmware(SimProduct::Mouse,
                                  [&](sim::Firmware& f) { return f.read(which, offset, size); });
    }

    Json::Value section() { return profiles::read_json_file(document)["Device"][0]; }

    void write_macro(const std::string& guid, int events) {
        const auto folder = folders.profile_folder(mouse.device_folder_name());
        std::ofstream(folder / "macro.config")
            << R"({"MacroInfo": [{"MacroName": "m", "Guid": ")" << guid << R"("}]})";
        Json::Value list(Json::arrayValue);
        for (int i = 0; i < events; ++i) {
            Json::Value e;
            e["Action"] = i % 2 == 0 ? "down" : "up";
            e["Type"] = 10;
            e["Button"] = 4;
            e["Delay"] = "10";
            list.append(e);
        }
        Json::Value macro;
        macro["Events"] = list;
        ASSERT_TRUE(profiles::write_json_file(folder / (guid + ".mac"), macro));
        mouse.reload_config_lists();
    }

    ScratchFolder scratch;
    PageRecords page;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    device::DeviceFolders folders;
    CTavrinMouseDevice mouse;
    std::filesystem::path document;
};

TEST_F(MouseControllerTest, TheFifthStagesSliderGrowsAThreeStageProfileAndTheMouseHoldsTheBlock) {
    Json::Value doc = profiles::read_json_file(document);
    doc["Device"][0]["DPIStages"]["StageDPIs"].resize(3);
    doc["Device"][0]["DPIStages"]["StageActive"] = 1;
    ASSERT_TRUE(profiles::write_json_file(document, doc));
    static_cast<void>(mouse.load_profile(document));
    plug_and_load();
    ASSERT_EQ(mouse.dpi_stages().size(), 3u);

    ASSERT_TRUE(mouse.change_stage_step(4, 60));
    ASSERT_EQ(mouse.write_settings_block(), Result::kOk);
    ASSERT_EQ(mouse.dpi_stages().size(), 5u);
    EXPECT_EQ(section()["DPIStages"]["StageDPIs"][4]["StageDPIX"].asInt(), 60);

    const Bytes block = memory(FirmwareMemory::Configuration, 0, 71);
    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(block[12], 1);                                          // current stage
    EXPECT_EQ(Bytes(block.begin() + 41, block.begin() + 50), Bytes(9, 0));  // stage 3: new, zero
    EXPECT_EQ(Bytes(block.begin() + 50, block.begin() + 55), (Bytes{0, 0, 60, 0, 0}));
    EXPECT_EQ(block[59], 1);
    EXPECT_EQ(Bytes(block.begin() + 60, block.begin() + 64), (Bytes{0x80, 0x07, 0x38, 0x04}));
    // The factory sensor: lowest 100 DPI, 100 a step, 200 a step past step 48.
    EXPECT_EQ(mouse.page_state().stages[4].dpi_text, "7300");
}

TEST_F(MouseControllerTest, StartReadsTheMouseAndAReadThatFailsChangesNothing) {
    bus->with_firmware(SimProduct::Mouse, [](sim::Firmware& f) {
        sim::MouseProfile settings;
        settings.lighting.mode_code = 6;
        settings.dpi_stage = 3;
        settings.polling_rate_index = 1;
        const auto block = sim::mouse_settings_block(0, settings);
        return f.write(FirmwareMemory::Configuration, 0, block);
    });
    plug_and_load();
    EXPECT_EQ(mouse.lighting().mode, 6);
    EXPECT_EQ(mouse.current_stage(), 3);
    EXPECT_EQ(mouse.polling_rate(), 1);
    EXPECT_EQ(section()["DPIStages"]["StageActive"].asInt(), 3);

    // A code the mode list lacks and a stage past the five keep what the host has.
    bus->with_firmware(SimProduct::Mouse, [](sim::Firmware& f) {
        return f.write(FirmwareMemory::Configuration, 1, Bytes{0xEE}) &&
               f.write(FirmwareMemory::Configuration, 12, Bytes{7});
    });
    ASSERT_EQ(mouse.refresh_on_request(), Result::kOk);
    EXPECT_EQ(mouse.lighting().mode, 6);
    EXPECT_EQ(mouse.current_stage(), 3);

    bus->set_faults(SimProduct::Mouse, {.forced_status = 0xFF});
    EXPECT_EQ(mouse.refresh_on_request(), Result::kStatusError);
    EXPECT_EQ(mouse.current_stage(), 3);
}

TEST_F(MouseControllerTest, AProfileWriteFillsOnlyTheSlotsOfButtonsTheMouseHas) {
    // A table with the left button in slot 4, the right one in slot 0 and no keyboard-function
    // button at all.
    Bytes table(16 * 3, 0);
    const auto put = [&table](int slot, Bytes code) {
        std::copy(code.begin(), code.end(), table.begin() + slot * 3);
    };
    put(4, {0x10, 0x01, 0x00});
    put(0, {0x10, 0x02, 0x00});
    put(7, {0x10, 0x04, 0x00});
    bus->with_firmware(SimProduct::Mouse, [&](sim::Firmware& f) {
        f.set_key_positions(16);
        return f.write(FirmwareMemory::FactoryTable, 0, table);
    });
    plug_and_load();
    EXPECT_EQ(mouse.slot_map()[0], 4);
    EXPECT_EQ(mouse.slot_map()[8], kMissingSlot);
    EXPECT_FALSE(mouse.page_state().buttons[8].present);

    write_macro("g", 4);
    ASSERT_TRUE(mouse.change_button_assignment(0, {0x70, 0, 1}));   // left plays macro 0
    ASSERT_TRUE(mouse.change_button_assignment(8, {0x20, 0, 0x04}));  // a button it lacks
    ASSERT_EQ(mouse.write_profile_to_device(), Result::kOk);

    const Bytes written = memory(FirmwareMemory::ActiveTable, 0, 16 * 3);
    EXPECT_EQ(Bytes(written.begin() + 12, written.begin() + 15), (Bytes{0x70, 0, 1}));
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 3), (Bytes{0x10, 0x02, 0x00}));
    // Slots of no logical button stay as read; nothing took "A".
    for (size_t at = 0; at < written.size(); at += 3)
        EXPECT_NE(Bytes(written.begin() + at, written.begin() + at + 3), (Bytes{0x20, 0, 0x04}));
    EXPECT_EQ(memory(FirmwareMemory::Macros, 0, 2), (Bytes{0xAA, 0x55}));

    // A mouse that now announces another table is not written blind.
    bus->with_firmware(SimProduct::Mouse, [](sim::Firmware& f) { f.set_key_positions(12); });
    EXPECT_EQ(mouse.write_buttons(), Result::kStatusError);
}

TEST_F(MouseControllerTest, MacrosOrShootDataPastTheirRoomAreRefusedUnsent) {
    plug_and_load();
    write_macro("big", 2000);  // 8 KiB of events, the mouse has 4
    ASSERT_TRUE(mouse.change_button_assignment(3, {0x70, 0, 0}));
    const MemoryDownload macros = mouse.write_button_functions();
    EXPECT_EQ(macros.result, Result::kWriteFailed);
    EXPECT_GT(macros.excess_events, 0);
    EXPECT_NE(memory(FirmwareMemory::Macros, 0, 2), (Bytes{0xAA, 0x55}));
    // Nor did the table go: its button would play a macro the mouse lacks.
    const auto forward = static_cast<size_t>(mouse.slot_map()[3]);
    EXPECT_NE(memory(FirmwareMemory::ActiveTable, forward * 3, 1)[0], 0x70);

    // Buttons numbered for macros whose list can no longer be read are not a success.
    write_macro("small", 2);
    const auto folder = folders.profile_folder(mouse.device_folder_name());
    std::ofstream(folder / "macro.config") << "{ broken";
    EXPECT_EQ(mouse.write_button_functions().result, Result::kWriteFailed);
    EXPECT_NE(memory(FirmwareMemory::Macros, 0, 2), (Bytes{0xAA, 0x55}));

    Json::Value weapon;
    Json::Value move;
    move["Action"] = "down";
    move["Type"] = 4;
    move["Button"] = 3;
    move["Delay"] = 10;
    for (int i = 0; i < 2100; ++i) weapon["Events"].append(move);
    ASSERT_TRUE(profiles::write_json_file(folder / "ShootData_0.Shoot", weapon));
    const MemoryDownload shoot = mouse.write_shoot_data();
    EXPECT_EQ(shoot.result, Result::kWriteFailed);
    EXPECT_GT(shoot.excess_events, 0);

    weapon["Events"].resize(30);
    ASSERT_TRUE(profiles::write_json_file(folder / "ShootData_0.Shoot", weapon));
    EXPECT_EQ(mouse.write_shoot_data().result, Result::kOk);
    EXPECT_EQ(memory(FirmwareMemory::Shoot, 0, 2), (Bytes{0xAA, 0x55}));
}

TEST_F(MouseControllerTest, OutOfReachNothingIsWrittenAndTheChangeFollowsWhenItIsBack) {
    plug_and_load(SimProduct::MouseReceiver);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    const int begins = bus->with_firmware(SimProduct::Mouse, [](sim::Firmware& f) {
        return f.counters().begin_transfers;
    });
    ASSERT_TRUE(mouse.change_polling_rate(2));
    EXPECT_EQ(mouse.write_settings_block(), Result::kNoAnswer);
    EXPECT_TRUE(mouse.writes_blocked());
    EXPECT_TRUE(mouse.page_state().writes_blocked);
    EXPECT_EQ(bus->with_firmware(SimProduct::Mouse,
                                 [](sim::Firmware& f) { return f.counters().begin_transfers; }),
              begins);
    EXPECT_EQ(section()["ReportStages"]["StageActive"].asInt(), 2);

    bus->set_device_linked(SimProduct::MouseReceiver, true);
    static_cast<void>(mouse.power_refresh());  // what the link watch runs once it answers
    EXPECT_FALSE(mouse.writes_blocked());
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 11, 1)[0], 2);
}

TEST_F(MouseControllerTest, AReadThatFindsTheMouseAwayWritesNothingWhenItIsBack) {
    plug_and_load(SimProduct::MouseReceiver);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    EXPECT_EQ(mouse.refresh_on_request(), Result::kNoAnswer);
    bus->set_device_linked(SimProduct::MouseReceiver, true);
    const auto begins = [this] {
        return bus->with_firmware(SimProduct::Mouse,
                                  [](sim::Firmware& f) { return f.counters().begin_transfers; });
    };
    const int before = begins();
    static_cast<void>(mouse.power_refresh());
    EXPECT_EQ(begins(), before);
}

// For the thread sanitizer: the page changes the profile while device work builds blocks
// from it.
TEST_F(MouseControllerTest, PageChangesAndDeviceWorkShareTheProfileSafely) {
    plug_and_load();
    std::thread page_thread([this] {
        for (int step = 0; step < 20; ++step) {
            EXPECT_TRUE(mouse.change_stage_step(step % 5, step));
            static_cast<void>(mouse.page_state());
        }
    });
    for (int i = 0; i < 20; ++i) EXPECT_EQ(mouse.write_settings_block(), Result::kOk);
    page_thread.join();
    EXPECT_EQ(mouse.dpi_stages()[4].dpi_x_step, 19);
}

TEST_F(MouseControllerTest, UnplugInTheMiddleOfAWriteIsAFailureNotAHang) {
    plug_and_load(SimProduct::MouseReceiver);
    bus->set_faults(SimProduct::MouseReceiver, {.unplug_after_packets = 3});
    EXPECT_NE(mouse.write_settings_block(), Result::kOk);
    EXPECT_NE(mouse.write_profile_to_device(), Result::kOk);
}

TEST_F(MouseControllerTest, EventsMoveTheStageAndAskForReadsUnknownOnesDoNothing) {
    plug_and_load();
    mouse.handle_event(0x1123, true);
    EXPECT_EQ(mouse.onboard_profile(), 3);
    EXPECT_EQ(mouse.current_stage(), 2);
    EXPECT_EQ(section()["DPIStages"]["StageActive"].asInt(), 2);
    mouse.handle_event(0x11F1, true);  // no sixteenth stage
    EXPECT_EQ(mouse.current_stage(), 2);
    EXPECT_EQ(mouse.onboard_profile(), 1);

    const size_t timers = page.timer_count();
    mouse.handle_event(0x1205, true);
    EXPECT_EQ(page.timer_count(), timers);
    mouse.handle_event(0x0401, false);
    EXPECT_EQ(page.timer_count(), timers + 1);
}

TEST_F(MouseControllerTest, AButtonCountPastTheImageIsNotLoadedAndNothingIsWritten) {
    bus->with_firmware(SimProduct::Mouse, [](sim::Firmware& f) { f.set_key_positions(200); });
    bus->plug(SimProduct::Mouse);
    ASSERT_EQ(mouse.attach_command_interface(bus->command_path(SimProduct::Mouse),
                                             device::DeviceKind::Mouse),
              Result::kOk);
    EXPECT_NE(mouse.load_after_attach(), Result::kOk);
    EXPECT_FALSE(mouse.loaded());
    EXPECT_EQ(mouse.write_buttons(), Result::kNoAnswer);
}

}  // namespace
}  // namespace ilmo::mouse
