// The keyboard controller against the emulated keyboard: what it reads on arrival, what a
// profile write leaves in the keyboard, its events, and what it does when the keyboard
// misbehaves.

#include <gtest/gtest.h>

#include <fstream>

#include "ControllerFixture.h"
#include "device/CommandResult.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "profiles/JsonFile.h"
#include "sim/Firmware.h"

namespace ilmo::keyboard::testing {
namespace {

using device::Result;
using sim::FirmwareMemory;
using sim::SimProduct;

class KeyboardControllerTest : public ::testing::Test {
protected:
    KeyboardControllerTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          folders{ILMO_SOURCE_DIR, scratch.path},
          keyboard(backend, kKeyboardRow, folders,
                   std::string(device::device_folder_name(kKeyboardRow)), {}) {
        keyboard.set_view(&page);
        keyboard.set_keyboard_view(&page);
        document = folders.profile_folder(keyboard.device_folder_name()) / "p.Json";
        std::filesystem::create_directories(document.parent_path());
        static_cast<void>(keyboard.load_profile(document));
    }

    void plug_and_load(SimProduct product = SimProduct::Keyboard) {
        bus->plug(product);
        const auto kind = sim::is_receiver(product) ? device::DeviceKind::KeyboardReceiver
                                                    : device::DeviceKind::Keyboard;
        ASSERT_EQ(keyboard.attach_command_interface(bus->command_path(product), kind), Result::kOk);
        ASSERT_EQ(keyboard.load_after_attach(), Result::kOk);
    }

    std::vector<uint8_t> memory(FirmwareMemory which, size_t offset, size_t size) {
        return bus->with_firmware(SimProduct::Keyboard,
                                  [&](sim::Firmware& f) { return f.read(which, offset, size); });
    }

    ScratchFolder scratch;
    PageRecords page;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    device::DeviceFolders folders;
    CTavrinKeyboardDevice keyboard;
    std::filesystem::path document;
};

TEST_F(KeyboardControllerTest, ArrivalReadsTheKeyboardShowsItAndKeepsItInTheProfile) {
    plug_and_load();
    EXPECT_TRUE(keyboard.loaded());
    // The factory's profile 0 runs the spectrum wheel (4) at speed 2 with polling step 3.
    const device::LightRecord light = keyboard.lighting();
    EXPECT_EQ(light.mode, 4);
    EXPECT_EQ(light.speed, 2);
    EXPECT_EQ(keyboard.system_options().polling_rate, 3);
    const Json::Value saved = profiles::read_json_file(document);
    EXPECT_EQ(saved["Device"][0]["LightInfo"]["SelectItem"].asInt(), 4);
    EXPECT_EQ(saved["Device"][0]["SystemStages"]["PollingRate"].asInt(), 3);
    std::lock_guard lock(page.mutex);
    ASSERT_GE(page.captions.size(), 126u);
    EXPECT_EQ(page.captions[0], (KeyCaption{"keyboard_key_Esc", true}));
    EXPECT_EQ(page.options.polling_rate, 3);
}

TEST_F(KeyboardControllerTest, AProfileWriteLeavesTheKeyboardHoldingItByteForByte) {
    plug_and_load();
    // One macro of three events, bound to A on the normal layer and to B on the Fn layer.
    const auto folder = folders.profile_folder(keyboard.device_folder_name());
    {
        std::ofstream(folder / "macro.config")
            << R"({"MacroInfo": [{"MacroName": "m", "Guid": "g1"}]})";
        std::ofstream(folder / "g1.mac") << R"({"Events": [
            {"Action": "down", "Type": 10, "Button": 4, "Delay": "50"},
            {"Action": "up", "Type": 10, "Button": 4, "Delay": "50"},
            {"Action": "down", "Type": 10, "Button": 5, "Delay": "7"}]})";
        Json::Value doc = profiles::read_json_file(document);
        doc["Device"][0]["KeyList"][64]["Assignment"] = 0x700000 + 0x0001;  // macro 0, mode 1
        doc["Device"][0]["KeyList"][89]["FnAssignment"] = 0x710003;         // macro 0, 3 times
        doc["Device"][0]["LightInfo"]["SelectItem"] = 20;
        doc["Device"][0]["CustomLightMode"]["LightColorInfo"][0][0] =
            Json::Value(Json::objectValue);
        doc["Device"][0]["CustomLightMode"]["LightColorInfo"][0][0]["Red"] = 200;
        ASSERT_TRUE(profiles::write_json_file(document, doc));
    }
    static_cast<void>(keyboard.load_profile(document));
    keyboard.reload_config_lists();
    ASSERT_EQ(keyboard.write_profile_to_device(), Result::kOk);

    // The settings record of the active profile 0, mode 20.
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 1, 1)[0], 20);
    // Key 64 (A) and key 89 (B) sit where the keyboard's default table has their codes.
    const auto defaults = memory(FirmwareMemory::FactoryTable, 0, 126 * 3);
    const auto position_of = [&](uint8_t usage) {
        for (size_t p = 0; p < 126; ++p)
            if (defaults[p * 3] == 0x20 && defaults[p * 3 + 1] == 0 && defaults[p * 3 + 2] == usage)
                return p;
        return size_t{999};
    };
    const size_t a = position_of(0x04), b = position_of(0x05);
    ASSERT_LT(a, 126u);
    EXPECT_EQ(memory(FirmwareMemory::ActiveTable, a * 3, 3), (std::vector<uint8_t>{0x70, 0, 1}));
    EXPECT_EQ(memory(FirmwareMemory::SecondTable, b * 3, 3), (std::vector<uint8_t>{0x71, 0, 3}));
    // A key whose Fn code is its default is written as nothing on the Fn layer.
    EXPECT_EQ(memory(FirmwareMemory::SecondTable, a * 3, 3), (std::vector<uint8_t>{0, 0, 0}));
    // The macro image: 16 + 2 + 4 + 12 bytes, first event 32 00 8A 04.
    EXPECT_EQ(memory(FirmwareMemory::Macros, 0, 6), (std::vector<uint8_t>{0xAA, 0x55, 34, 0, 1, 0}));
    EXPECT_EQ(memory(FirmwareMemory::Macros, 22, 4), (std::vector<uint8_t>{0x32, 0, 0x8A, 0x04}));
    // Per-key colours: key 0's colour at its LED.
    const uint8_t led = memory(FirmwareMemory::LedTable, position_of(0x29), 1)[0];
    EXPECT_EQ(memory(FirmwareMemory::Records, led * 3u, 3), (std::vector<uint8_t>{200, 0, 0}));
}

TEST_F(KeyboardControllerTest, AWriteKeepsTheBytesOfItsOwnRecordNotTheLastOneRead) {
    plug_and_load();  // reads profile 0's record
    // Profile 1's record ends on the byte that starts profile 2's.
    const uint8_t profile2_first = memory(FirmwareMemory::Configuration, 66, 1)[0];
    ASSERT_EQ(keyboard.write_lighting_settings(1, 1), Result::kOk);
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 66, 1)[0], profile2_first);
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 33, 1)[0], 1);
}

TEST_F(KeyboardControllerTest, OldFirmwareIsOfferedAnUpdateBeforeAnythingIsSent) {
    bus->set_release_number(SimProduct::Keyboard, 0x010F);
    page.accept_update = true;
    bus->plug(SimProduct::Keyboard);
    ASSERT_EQ(keyboard.attach_command_interface(bus->command_path(SimProduct::Keyboard),
                                                device::DeviceKind::Keyboard),
              Result::kOk);
    const int begins = bus->with_firmware(SimProduct::Keyboard,
                                          [](sim::Firmware& f) { return f.counters().begin_transfers; });
    EXPECT_NE(keyboard.load_after_attach(), Result::kOk);
    EXPECT_EQ(page.firmware_questions, 1);
    EXPECT_EQ(page.updater_starts, 1);
    EXPECT_FALSE(keyboard.loaded());
    // Without the default table every key would be written as nothing: refused.
    EXPECT_EQ(keyboard.write_assignments(), Result::kNoAnswer);
    EXPECT_EQ(bus->with_firmware(SimProduct::Keyboard,
                                 [](sim::Firmware& f) { return f.counters().begin_transfers; }),
              begins);

    page.accept_update = false;
    EXPECT_NE(keyboard.load_after_attach(), Result::kOk);
    EXPECT_EQ(page.quits, 1);
}

TEST_F(KeyboardControllerTest, EventsScheduleRefreshesMoveTheProfileAndCountKeepAlives) {
    plug_and_load();
    ASSERT_EQ(keyboard.attach_event_interface(bus->event_path(SimProduct::Keyboard),
                                              device::DeviceKind::Keyboard),
              Result::kOk);
    ASSERT_TRUE(bus->send_event(SimProduct::Keyboard, 0x0401));
    ASSERT_TRUE(eventually([&] { return page.timer_count() == 1; }));
    EXPECT_FALSE(keyboard.take_profile_reload_request());
    ASSERT_TRUE(bus->send_event(SimProduct::Keyboard, 0x0402));
    ASSERT_TRUE(eventually([&] { return page.timer_count() == 2; }));
    EXPECT_TRUE(keyboard.take_profile_reload_request());
    ASSERT_TRUE(bus->send_event(SimProduct::Keyboard, 0x0404));
    ASSERT_TRUE(eventually([&] { return keyboard.keep_alives() == 1; }));
    ASSERT_TRUE(bus->switch_profile(SimProduct::Keyboard, 2));
    ASSERT_TRUE(eventually([&] { return keyboard.onboard_profile() == 2; }));
    {
        std::lock_guard lock(page.mutex);
        EXPECT_EQ(page.timers.front(), (std::pair{device::PageTimer::Refresh, 50}));
    }
    // The refresh reads the record of the profile now in use (profile 2: mode 5).
    ASSERT_EQ(keyboard.refresh_on_request(), Result::kOk);
    EXPECT_EQ(keyboard.lighting().mode, 5);
    keyboard.detach();
}

TEST_F(KeyboardControllerTest, UnplugDuringTheTableWriteFailsHonestlyAndKeepsThePage) {
    plug_and_load();
    bus->set_faults(SimProduct::Keyboard, {.unplug_after_packets = 4});
    EXPECT_NE(keyboard.write_assignments(), Result::kOk);
    EXPECT_NE(keyboard.write_profile_to_device(), Result::kOk);
    EXPECT_TRUE(keyboard.loaded());
    EXPECT_EQ(keyboard.lighting().mode, 4);
}

TEST_F(KeyboardControllerTest, UnplugDuringTheMacroStreamIsAFailureNotDone) {
    plug_and_load();
    const auto folder = folders.profile_folder(keyboard.device_folder_name());
    std::ofstream(folder / "macro.config") << R"({"MacroInfo": [{"MacroName": "m", "Guid": "g"}]})";
    {
        Json::Value events(Json::arrayValue);
        for (int i = 0; i < 40; ++i) {
            Json::Value e;
            e["Action"] = i % 2 == 0 ? "down" : "up";
            e["Type"] = 10;
            e["Button"] = 4;
            e["Delay"] = "10";
            events.append(e);
        }
        Json::Value macro;
        macro["Events"] = events;
        ASSERT_TRUE(profiles::write_json_file(folder / "g.mac", macro));
    }
    // Information, begin, the first of four chunks; then the keyboard is gone.
    bus->set_faults(SimProduct::Keyboard, {.unplug_after_packets = 3});
    const MacroDownload download = keyboard.download_macros({0});
    EXPECT_NE(download.result, Result::kOk);
    EXPECT_EQ(download.excess_events, 0);
}

TEST_F(KeyboardControllerTest, OptionsGoIntoTheActiveProfileWithoutSwitchingProfiles) {
    plug_and_load();
    ASSERT_TRUE(bus->switch_profile(SimProduct::Keyboard, 2));
    ASSERT_EQ(keyboard.refresh_on_request(), Result::kOk);  // as the switch event asks
    const auto profile0 = memory(FirmwareMemory::Configuration, 1, 32);
    SystemOptions options = keyboard.system_options();
    options.win_lock = 1;
    ASSERT_TRUE(keyboard.change_system_options(options));
    ASSERT_EQ(keyboard.write_system_options(), Result::kOk);
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 0, 1)[0], 2);  // still on profile 2
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 66 + 21, 1)[0], 1);
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 1, 32), profile0);
}

TEST_F(KeyboardControllerTest, AProfileWhoseMacrosDoNotFitIsNotReportedWritten) {
    plug_and_load();
    const auto folder = folders.profile_folder(keyboard.device_folder_name());
    std::ofstream(folder / "macro.config") << R"({"MacroInfo": [{"MacroName": "m", "Guid": "g"}]})";
    Json::Value events(Json::arrayValue);
    Json::Value press;
    press["Action"] = "down";
    press["Type"] = 10;
    press["Button"] = 4;
    press["Delay"] = "10";
    // 4 bytes each: far past the keyboard's macro memory.
    for (int i = 0; i < 4000; ++i) events.append(press);
    Json::Value macro;
    macro["Events"] = events;
    ASSERT_TRUE(profiles::write_json_file(folder / "g.mac", macro));
    Json::Value doc = profiles::read_json_file(document);
    doc["Device"][0]["KeyList"][64]["Assignment"] = 0x700000;
    ASSERT_TRUE(profiles::write_json_file(document, doc));
    static_cast<void>(keyboard.load_profile(document));
    keyboard.reload_config_lists();

    EXPECT_NE(keyboard.write_profile_to_device(), Result::kOk);
    // Refused before anything was sent.
    EXPECT_NE(memory(FirmwareMemory::Macros, 0, 2), (std::vector<uint8_t>{0xAA, 0x55}));
}

TEST_F(KeyboardControllerTest, ACustomGroupPastAnySensibleCountDoesNotGrowTheProfile) {
    Json::Value doc = profiles::read_json_file(document);
    const Json::ArrayIndex groups = doc["Device"][0]["CustomLightMode"]["LightColorInfo"].size();
    doc["Device"][0]["LightInfo"]["CustomGroup"] = 200;
    ASSERT_TRUE(profiles::write_json_file(document, doc));
    static_cast<void>(keyboard.load_profile(document));
    ASSERT_TRUE(keyboard.change_lighting(keyboard.lighting()));  // saves the profile
    const Json::Value saved = profiles::read_json_file(document);
    EXPECT_EQ(saved["Device"][0]["CustomLightMode"]["LightColorInfo"].size(), groups);
}

// The page's device work reads the arrival on a worker while an unplug detaches the keyboard
// on the UI thread: the work may end after the detach, or run alongside it.
TEST_F(KeyboardControllerTest, ArrivalWorkThatOutlivesItsDeviceLeavesNoThreadBehind) {
    std::atomic<int> lighting_exits{0};
    CTavrinKeyboardDevice late(backend, kKeyboardRow, folders, keyboard.device_folder_name(),
                               [&](std::string_view line) {
                                   if (line == "KB灯光线程设定退出") ++lighting_exits;
                               });
    const auto attach = [&] {
        bus->plug(SimProduct::Keyboard);
        return late.attach_command_interface(bus->command_path(SimProduct::Keyboard),
                                             device::DeviceKind::Keyboard);
    };
    ASSERT_EQ(attach(), Result::kOk);
    ASSERT_EQ(late.load_after_attach(), Result::kOk);
    bus->unplug(SimProduct::Keyboard);
    late.detach();
    ASSERT_EQ(lighting_exits, 1);
    static_cast<void>(late.load_after_attach());
    late.detach();
    EXPECT_EQ(lighting_exits, 1);

    for (int round = 0; round < 40; ++round) {
        ASSERT_EQ(attach(), Result::kOk);
        std::thread work([&] { static_cast<void>(late.load_after_attach()); });
        std::this_thread::sleep_for(std::chrono::microseconds(100 * (round % 10)));
        bus->unplug(SimProduct::Keyboard);
        late.detach();
        work.join();
    }
}

TEST_F(KeyboardControllerTest, ALightsOwnEffectFromTheProfileShowsOverTheMode) {
    Json::Value doc = profiles::read_json_file(document);
    doc["Device"][0]["LightList"][5] = profiles::parse_json(R"({"LEDREGMode": 1,
        "LEDBrightness": 4, "LEDSpeed": 2, "LEDDirection": 0, "LEDMultiColor": 0,
        "red": 0, "green": 0, "blue": 250})");
    ASSERT_TRUE(profiles::write_json_file(document, doc));
    plug_and_load();
    EXPECT_TRUE(eventually([&] { return keyboard.color(5) == device::ColorRecord{0, 0, 250, 255}; }));
    keyboard.detach();
}

TEST_F(KeyboardControllerTest, AnActiveProfileNumberNoSwitchCouldNameIsNotRead) {
    plug_and_load();
    bus->with_firmware(SimProduct::Keyboard, [](sim::Firmware& f) {
        const std::array<uint8_t, 1> wild{0x40};
        return f.write(FirmwareMemory::Configuration, 0, wild);
    });
    EXPECT_EQ(keyboard.refresh_on_request(), Result::kStatusError);
    EXPECT_EQ(keyboard.onboard_profile(), 0);
    EXPECT_EQ(keyboard.lighting().mode, 4);
}

TEST_F(KeyboardControllerTest, ThroughTheReceiverOptionsStayInTheProfile) {
    plug_and_load(SimProduct::KeyboardReceiver);
    const auto before = memory(FirmwareMemory::Configuration, 19, 4);
    SystemOptions options = keyboard.system_options();
    options.win_lock = 1;
    options.polling_rate = 0;
    ASSERT_TRUE(keyboard.change_system_options(options));
    EXPECT_EQ(keyboard.write_system_options(), Result::kNoAnswer);
    ASSERT_EQ(keyboard.write_lighting_settings(0, 0), Result::kOk);
    EXPECT_EQ(memory(FirmwareMemory::Configuration, 19, 4), before);
    EXPECT_EQ(profiles::read_json_file(document)["Device"][0]["SystemStages"]["WinFlag"].asInt(), 1);
}

TEST_F(KeyboardControllerTest, HostColourFramesGoOutOnlyWhileTheLightStatusIsOn) {
    plug_and_load();
    device::LightRecord light = keyboard.lighting();
    light.mode = 30;
    light.brightness = 4;
    light.red = 100;
    light.green = 0;
    light.blue = 0;
    ASSERT_TRUE(keyboard.change_lighting(light));
    const auto frames = [&] {
        return bus->with_firmware(SimProduct::Keyboard,
                                  [](sim::Firmware& f) { return f.counters().light_frames; });
    };
    keyboard.set_light_status(false);
    EXPECT_FALSE(keyboard.build_and_send_frame());
    EXPECT_EQ(frames(), 0);
    keyboard.set_light_status(true);
    // The frame timer keeps building frames while device work reads the information record
    // again (a macro download does first thing); the thread sanitizer watches the two.
    std::atomic<bool> read_again = false;
    std::thread work([&] {
        for (int i = 0; i < 10; ++i) EXPECT_EQ(keyboard.download_macros({}).result, Result::kOk);
        read_again = true;
    });
    while (!read_again) {
        static_cast<void>(keyboard.build_and_send_frame());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    work.join();
    // Every light shows the host colour at full brightness: 100 x 255 / 256 = 99.
    const size_t escape_led = memory(FirmwareMemory::LedTable, 0, 126)[0];
    ASSERT_TRUE(eventually([&] {
        static_cast<void>(keyboard.build_and_send_frame());
        return memory(FirmwareMemory::LightFrame, escape_led * 3, 3) ==
               std::vector<uint8_t>{99, 0, 0};
    }));
    EXPECT_FALSE(keyboard.build_and_send_frame()) << "the keyboard shows this picture already";
    // The mode written anew, or the keyboard attached again: the same picture goes out.
    ASSERT_EQ(keyboard.write_lighting(), Result::kOk);
    EXPECT_TRUE(keyboard.build_and_send_frame());
    keyboard.detach();
    plug_and_load();
    ASSERT_TRUE(eventually([&] { return keyboard.color(0) == device::ColorRecord{100, 0, 0, 255}; }));
    EXPECT_TRUE(keyboard.build_and_send_frame());
    keyboard.detach();
}

// Loud bands light the keys in the profile's music colours, in the frames the keyboard gets.
TEST_F(KeyboardControllerTest, MusicBandsReachTheFramesInTheProfilesMusicColours) {
    plug_and_load();
    Json::Value doc = profiles::read_json_file(document);
    doc["Device"][0]["LightInfo"]["SelectItem"] = 21;
    Json::Value& music = doc["Device"][0]["AudioLightInfo"];
    music["AudioMode"] = 0;
    music["7ColorFlags"] = 0;
    for (const char* key : {"BkColorR", "BkColorG", "BkColorB", "FgColorR", "FgColorG"})
        music[key] = 0;
    music["FgColorB"] = 200;
    ASSERT_TRUE(profiles::write_json_file(document, doc));
    static_cast<void>(keyboard.load_profile(document));
    const std::vector<int> loud(25, 4200);  // every row of every column lit
    const size_t escape_led = memory(FirmwareMemory::LedTable, 0, 126)[0];
    // Frames go out from a sender thread: the keyboard's memory shows one a moment later.
    ASSERT_TRUE(eventually([&] {
        keyboard.audio_input(loud);
        static_cast<void>(keyboard.build_and_send_frame());
        const std::vector<uint8_t> shown = memory(FirmwareMemory::LightFrame, escape_led * 3, 3);
        return shown[0] == 0 && shown[1] == 0 && shown[2] > 100;
    }));
    keyboard.detach();
}

// The music's bands start a ripple only in the music mode with the beat ripple chosen.
TEST_F(KeyboardControllerTest, MusicBeatStartsRipplesOnlyInTheBeatRippleMusicMode) {
    const auto use = [&](int light_mode, int audio_mode) {
        Json::Value doc = profiles::read_json_file(document);
        doc["Device"][0]["LightInfo"]["SelectItem"] = light_mode;
        doc["Device"][0]["AudioLightInfo"]["AudioMode"] = audio_mode;
        ASSERT_TRUE(profiles::write_json_file(document, doc));
        static_cast<void>(keyboard.load_profile(document));
    };
    std::vector<int> loud(600, 2000);  // more than the capture ever sends
    const auto three_sets = [&] {
        for (int i = 0; i < 3; ++i) keyboard.audio_input(loud);
    };
    use(21, 0);
    three_sets();
    use(4, 2);
    three_sets();
    EXPECT_EQ(keyboard.beat_ripples(), 0);
    use(21, 2);
    three_sets();
    EXPECT_EQ(keyboard.beat_ripples(), 1);
    // Silent bands add no beat.
    const std::vector<int> silent(25, 0);
    for (int i = 0; i < 10; ++i) keyboard.audio_input(silent);
    EXPECT_EQ(keyboard.beat_ripples(), 1);
}

}  // namespace
}  // namespace ilmo::keyboard::testing
