// The keyboard and mouse-pad commands against the emulated devices, run as the tool runs
// them: each run surveys the bus, loads the profile in use from a scratch data folder and
// attaches the device. What a change leaves in the device's memory and in the profile on
// disk, what a read shows, and the exit status of every kind of failure.

#include <array>
#include <filesystem>
#include <fstream>

#include "ToolRunFixture.h"

namespace ilmo::ctl {
namespace {

using sim::FirmwareMemory;
using sim::SimProduct;

class DeviceCommandsTest : public ToolRunFixture {
protected:
    // The key position whose factory code is the keyboard key `usage`.
    size_t position_of(uint8_t usage) {
        const auto table = memory(SimProduct::Keyboard, FirmwareMemory::FactoryTable, 0, 126 * 3);
        for (size_t p = 0; p < 126; ++p)
            if (table[p * 3] == 0x20 && table[p * 3 + 1] == 0 && table[p * 3 + 2] == usage) return p;
        ADD_FAILURE() << "no position for usage " << int(usage);
        return 0;
    }
    Json::Value keyboard_profile() { return profile_section("RM52X30C"); }
    Json::Value pad_profile() { return profile_section("RM52X23C_1"); }
};

TEST_F(DeviceCommandsTest, KeyboardLightingGoesToTheKeyboardAndToTheProfileAndReadsBack) {
    bus->plug(SimProduct::Keyboard);
    const RunOutcome set = run({"-e", "keyboard set mode 6 brightness 2 speed 1 direction 0 "
                                      "colour #102030 colourful off"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    // The settings record of the active on-board profile 0: speed is stored as 4 - level.
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 1, 8),
              (std::vector<uint8_t>{6, 2, 3, 0, 0, 0x10, 0x20, 0x30}));
    EXPECT_EQ(keyboard_profile()["LightInfo"]["SelectItem"].asInt(), 6);
    EXPECT_EQ(keyboard_profile()["LightInfo"]["Red"].asInt(), 0x10);

    // A later run reads what the keyboard holds, by number or by the mode's name.
    const Json::Value read = json_of(run({"--json", "keyboard", "get", "lighting"}));
    EXPECT_EQ(read["connection"], "cable");
    EXPECT_EQ(read["lighting"]["source"], "device");
    EXPECT_EQ(read["lighting"]["mode"], 6);
    EXPECT_EQ(read["lighting"]["mode-name"], "light_mode_keyboard_6");
    EXPECT_EQ(read["lighting"]["speed"], 1);
    EXPECT_EQ(read["lighting"]["colour"], "#102030");
    EXPECT_EQ(read["lighting"]["colourful"], false);

    ASSERT_EQ(run({"keyboard", "set", "mode", "LIGHT_MODE_keyboard_23"}).exit_code, kExitOk);
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 1, 1)[0], 23);

    // Changed on the keyboard while the run holds it: the read asks the keyboard again.
    DeviceSession session(backend, folders, {}, {});
    Invocation get;
    get.json = true;
    get.commands = {{"keyboard", "get", "lighting"}};
    ASSERT_EQ(run_in(session, get).exit_code, kExitOk);
    const std::array<uint8_t, 1> level{3};
    bus->with_firmware(SimProduct::Keyboard,
                       [&](sim::Firmware& f) { return f.write(FirmwareMemory::Configuration, 2, level); });
    EXPECT_EQ(json_of(run_in(session, get))["lighting"]["brightness"], 3);
}

TEST_F(DeviceCommandsTest, SystemOptionsGoOutByCableAndWaitInTheProfileBehindTheReceiver) {
    bus->plug(SimProduct::Keyboard);
    const RunOutcome set = run({"-e", "keyboard set six-key on w-key on win-lock on polling-rate "
                                      "1 repeat-rate 20 repeat-delay 2",
                                "-e", "keyboard get options", "--json"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    // W-key, six-key, Windows-key lock, polling rate: bytes 19-22 of on-board profile 0.
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 19, 4),
              (std::vector<uint8_t>{1, 1, 1, 1}));
    const Json::Value read = json_of(set);
    EXPECT_EQ(read["options"]["source"], "device");
    EXPECT_EQ(read["options"]["w-key"], true);
    EXPECT_EQ(read["options"]["polling-rate"], 1);
    EXPECT_EQ(read["repeat"]["source"], "profile");
    EXPECT_EQ(read["repeat"]["repeat-rate"], 20);
    const Json::Value stages = keyboard_profile()["SystemStages"];
    EXPECT_EQ(stages["Key6Flag"].asInt(), 1);
    EXPECT_EQ(stages["RepeatDelay"].asInt(), 2);

    bus->unplug(SimProduct::Keyboard);
    bus->plug(SimProduct::KeyboardReceiver);
    const RunOutcome receiver = run({"keyboard", "set", "polling-rate", "2"});
    EXPECT_EQ(receiver.exit_code, kExitOk) << receiver.err;
    EXPECT_NE(receiver.out.find("by cable only"), std::string::npos) << receiver.out;
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 22, 1)[0], 1);
    EXPECT_EQ(keyboard_profile()["SystemStages"]["PollingRate"].asInt(), 2);
}

TEST_F(DeviceCommandsTest, AssignmentsReachTheirLayerTableAndTheProfile) {
    bus->plug(SimProduct::Keyboard);
    const RunOutcome assigned = run({"-e", "keyboard assign Esc F5; keyboard assign fn A media_play"});
    ASSERT_EQ(assigned.exit_code, kExitOk) << assigned.err;
    const size_t esc = position_of(0x29), a = position_of(0x04);
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::ActiveTable, esc * 3, 3),
              (std::vector<uint8_t>{0x20, 0x00, 0x3E}));
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::SecondTable, a * 3, 3),
              (std::vector<uint8_t>{0x30, 0xCD, 0x00}));
    // A's normal layer stays its own key.
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::ActiveTable, a * 3, 3),
              (std::vector<uint8_t>{0x20, 0x00, 0x04}));
    EXPECT_EQ(keyboard_profile()["KeyList"][0]["Assignment"].asInt(), 0x20003E);
    EXPECT_EQ(keyboard_profile()["KeyList"][64]["FnAssignment"].asInt(), 0x30CD00);

    // The key tables are never read back: the profile answers, and says so.
    const Json::Value read = json_of(run({"--json", "-e", "keyboard get key a"}));
    EXPECT_EQ(read["source"], "profile");
    EXPECT_EQ(read["key"]["key"], 64);
    EXPECT_EQ(read["key"]["fn"], "keyboard_key_Media Play Pause");
    EXPECT_EQ(read["key"]["normal"], "keyboard_key_A");

    // "default" puts the factory function back.
    ASSERT_EQ(run({"keyboard", "assign", "normal", "0", "default"}).exit_code, kExitOk);
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::ActiveTable, esc * 3, 3),
              (std::vector<uint8_t>{0x20, 0x00, 0x29}));
}

TEST_F(DeviceCommandsTest, PerKeyColoursFromAFileAreUploadedInThePerKeyMode) {
    bus->plug(SimProduct::Keyboard);
    const std::filesystem::path file = data / "colours.txt";
    std::filesystem::create_directories(data);
    std::ofstream(file) << "* #000000\nEsc #ff0000\nkeyboard_key_F1 #00ff00\n";
    const RunOutcome stored = run({"keyboard", "colours", file.string()});
    ASSERT_EQ(stored.exit_code, kExitOk) << stored.err;
    // Out of the per-key mode they wait in the profile's custom group.
    EXPECT_NE(stored.out.find("mode 20"), std::string::npos) << stored.out;
    const Json::Value group = keyboard_profile()["CustomLightMode"]["LightColorInfo"][0];
    EXPECT_EQ(group[0]["Red"].asInt(), 0xFF);
    EXPECT_EQ(group[1]["Green"].asInt(), 0xFF);
    EXPECT_EQ(group[2]["Red"].asInt(), 0);

    const RunOutcome uploaded = run({"--json", "-e", "keyboard set mode 20", "-e", "keyboard get colours"});
    const uint8_t esc_led =
        memory(SimProduct::Keyboard, FirmwareMemory::LedTable, position_of(0x29), 1)[0];
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Records, esc_led * 3u, 3),
              (std::vector<uint8_t>{0xFF, 0, 0}));
    const Json::Value read = json_of(uploaded);
    EXPECT_EQ(read["source"], "device");
    ASSERT_GE(read["colours"].size(), 2u);
    EXPECT_EQ(read["colours"][0]["colour"], "#ff0000");
    EXPECT_EQ(read["colours"][1]["name"], "keyboard_key_F1");
    EXPECT_EQ(read["colours"][1]["colour"], "#00ff00");
}

TEST_F(DeviceCommandsTest, AnOnboardProfileIsSelectedAndItsSettingsReadIntoTheProfile) {
    bus->plug(SimProduct::Keyboard);
    const RunOutcome selected = run({"--json", "-e", "keyboard onboard 2; keyboard get"});
    ASSERT_EQ(selected.exit_code, kExitOk) << selected.err;
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 0, 1)[0], 2);
    const Json::Value read = json_of(selected);
    EXPECT_EQ(read["onboard"]["profile"], 2);
    // The factory's profile 2 runs mode 5 at speed 3 in white.
    EXPECT_EQ(read["lighting"]["mode"], 5);
    EXPECT_EQ(read["lighting"]["colour"], "#ffffff");
    EXPECT_EQ(keyboard_profile()["LightInfo"]["SelectItem"].asInt(), 5);
    EXPECT_EQ(keyboard_profile()["LightInfo"]["Speed"].asInt(), 3);

    // A lighting change now goes to on-board profile 2's record (at 2 x 33).
    ASSERT_EQ(run({"keyboard", "set", "brightness", "1"}).exit_code, kExitOk);
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 66 + 2, 1)[0], 1);
}

TEST_F(DeviceCommandsTest, SyncGivesEveryConnectedDeviceTheKeyboardsEffectInItsOwnMode) {
    bus->plug(SimProduct::Keyboard);
    bus->plug(SimProduct::MousePad);
    ASSERT_EQ(run({"keyboard", "set", "mode", "23"}).exit_code, kExitOk);  // blinking
    ASSERT_EQ(run({"sync"}).exit_code, kExitOk);
    EXPECT_EQ(json_of(run({"--json", "pad", "get"}))["lighting"]["mode"], 4);  // read from the pad
    EXPECT_EQ(pad_profile()["LightInfo"]["SelectItem"].asInt(), 4);
    ASSERT_EQ(run({"pad", "set", "mode", "3"}).exit_code, kExitOk);  // steady, from the pad
    ASSERT_EQ(run({"sync", "--device", "pad"}).exit_code, kExitOk);
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 1, 1)[0], 6);
    // A mode without a common effect changes nothing.
    ASSERT_EQ(run({"keyboard", "set", "mode", "12"}).exit_code, kExitOk);
    EXPECT_EQ(run({"sync"}).exit_code, kExitDeviceError);
    EXPECT_EQ(pad_profile()["LightInfo"]["SelectItem"].asInt(), 3);
    EXPECT_EQ(run({"sync", "--device", "lamp"}).exit_code, kExitUsage);
}

TEST_F(DeviceCommandsTest, PadModesGoByListIndexOrNameAndTheWireCarriesTheirCode) {
    bus->plug(SimProduct::MousePad);
    ASSERT_EQ(run({"pad", "set", "mode", "light_mode_pad_3", "colour", "123456"}).exit_code, kExitOk);
    // List index 3 is the pad's mode code 4.
    EXPECT_EQ(memory(SimProduct::MousePad, FirmwareMemory::Configuration, 1, 1)[0], 4);
    EXPECT_EQ(pad_profile()["LightInfo"]["SelectItem"].asInt(), 3);

    ASSERT_EQ(run({"pad", "set", "mode", "8", "brightness", "2"}).exit_code, kExitOk);
    EXPECT_EQ(memory(SimProduct::MousePad, FirmwareMemory::Configuration, 1, 2),
              (std::vector<uint8_t>{0, 2}));
    // The pad's own brightness button, as it were: the read shows the pad, not the profile.
    const std::array<uint8_t, 1> level{3};
    bus->with_firmware(SimProduct::MousePad,
                       [&](sim::Firmware& f) { return f.write(FirmwareMemory::Configuration, 2, level); });
    const Json::Value read = json_of(run({"--json", "pad", "get"}));
    EXPECT_EQ(read["lighting"]["source"], "device");
    EXPECT_EQ(read["lighting"]["brightness"], 3);
    EXPECT_EQ(read["lighting"]["mode"], 8);
    EXPECT_EQ(read["lighting"]["mode-name"], "light_mode_pad_8");
    EXPECT_EQ(read["lighting"]["colour"], "#123456");
}

TEST_F(DeviceCommandsTest, WithoutADeviceTheDefaultProfileIsMadeAndChangedAlone) {
    const RunOutcome set = run({"--json", "-e", "keyboard set brightness 1; keyboard get lighting"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    const Json::Value index =
        profiles::read_json_file(folders.user_data_folder / "RM52X30C" / "ProfileList.ini");
    ASSERT_EQ(index["profilelist"].size(), 1u);
    EXPECT_EQ(index["profilelist"][0]["profilename"], "profile1");
    // The default document, with the change.
    EXPECT_EQ(keyboard_profile()["KeyList"].size(), 126u);
    EXPECT_EQ(keyboard_profile()["LightInfo"]["Light"].asInt(), 1);
    const Json::Value read = json_of(set);
    EXPECT_EQ(read["connection"], "none");
    EXPECT_EQ(read["lighting"]["source"], "profile");
    EXPECT_EQ(read["lighting"]["brightness"], 1);
    // What only a device can do is a device error.
    EXPECT_EQ(run({"keyboard", "onboard", "1"}).exit_code, kExitDeviceError);
}

TEST_F(DeviceCommandsTest, UsageErrorsStopTheRunBeforeAnythingChanges) {
    bus->plug(SimProduct::Keyboard);
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"-e", "keyboard set mode 5; keyboard set brightness 5"},
             {"-e", "keyboard set mode 5; keyboard set colour"},
             {"-e", "keyboard set mode 5; keyboard assign Esc F13"},
             {"-e", "keyboard set mode 5; keyboard onboard 16"},
             {"-e", "keyboard set mode 5; pad set direction 1"},
             {"-e", "keyboard set mode 5; info 11"},
             {"-e", "keyboard set mode 5; keyboard frobnicate"},
             {"--demo", "--bogus", "keyboard", "get"}}) {
        const RunOutcome outcome = run(arguments);
        EXPECT_EQ(outcome.exit_code, kExitUsage) << arguments.back();
        EXPECT_FALSE(outcome.err.empty());
    }
    // Nothing ran: no profile was made, the keyboard's mode is the factory's.
    EXPECT_FALSE(std::filesystem::exists(folders.user_data_folder / "RM52X30C" / "ProfileList.ini"));
    EXPECT_EQ(memory(SimProduct::Keyboard, FirmwareMemory::Configuration, 1, 1)[0], 4);

    // What only the mode list or the macro list can tell is found when the command runs.
    EXPECT_EQ(run({"keyboard", "set", "mode", "29"}).exit_code, kExitUsage);  // not offered
    EXPECT_EQ(run({"keyboard", "assign", "Esc", "macro:0"}).exit_code, kExitUsage);
    EXPECT_EQ(run({"keyboard", "colours", (data / "missing.txt").string()}).exit_code, kExitUsage);
}

TEST_F(DeviceCommandsTest, ARefusedOrLostDeviceIsADeviceErrorNamingTheFailure) {
    bus->plug(SimProduct::Keyboard);
    Invocation invocation;
    DeviceSession session(backend, folders, {}, {});
    invocation.commands = {{"keyboard", "get"}};
    ASSERT_EQ(run_in(session, invocation).exit_code, kExitOk);

    bus->set_faults(SimProduct::Keyboard, {.forced_status = 0xFF});
    invocation.commands = {{"keyboard", "set", "mode", "5"}, {"keyboard", "get"}};
    const RunOutcome refused = run_in(session, invocation);
    EXPECT_EQ(refused.exit_code, kExitDeviceError);
    EXPECT_NE(refused.err.find("writing the lighting to the keyboard failed: the device answered "
                               "with status 0xFF (-102)"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.out, "");  // the read after it did not run
    // The profile holds the change for the next time the keyboard answers.
    EXPECT_EQ(keyboard_profile()["LightInfo"]["SelectItem"].asInt(), 5);

    // A keyboard that refuses already when it arrives is not used at all.
    const RunOutcome arrival = run({"keyboard", "get"});
    EXPECT_EQ(arrival.exit_code, kExitDeviceError);
    EXPECT_NE(arrival.err.find("reading the keyboard failed"), std::string::npos) << arrival.err;

    bus->clear_faults();
    bus->unplug(SimProduct::Keyboard);
    invocation.commands = {{"keyboard", "assign", "Esc", "F5"}};
    EXPECT_EQ(run_in(session, invocation).exit_code, kExitDeviceError);
}

}  // namespace
}  // namespace ilmo::ctl
