// The mouse commands against the emulated mouse, by cable and through its receiver: what a
// change leaves in the mouse's settings block and button table and in the profile on disk,
// what a read shows, and what is refused.

#include <array>

#include "ToolRunFixture.h"

namespace ilmo::ctl {
namespace {

using sim::FirmwareMemory;
using sim::SimProduct;

constexpr size_t kBlockBytes = 71;
constexpr size_t kFirstStageByte = 14;
constexpr size_t kStageBytes = 9;

class MouseCommandsTest : public ToolRunFixture {
protected:
    // On-board profile 0's settings block, which the host writes.
    std::vector<uint8_t> block() {
        return memory(SimProduct::Mouse, FirmwareMemory::Configuration, 0, kBlockBytes);
    }
    // The slot of the mouse's button table holding `code`; nullopt when none does.
    std::optional<size_t> slot_of(std::array<uint8_t, 3> code) {
        const auto table = memory(SimProduct::Mouse, FirmwareMemory::FactoryTable, 0, 512);
        for (size_t slot = 0; slot < table.size() / 3; ++slot)
            if (std::equal(code.begin(), code.end(), table.begin() + static_cast<long>(slot * 3)))
                return slot;
        return std::nullopt;
    }
    Json::Value mouse_profile() { return profile_section("RM52X31C"); }
    int firmware_transfers() {
        return bus->with_firmware(SimProduct::Mouse,
                                  [](sim::Firmware& f) { return f.counters().begin_transfers; });
    }
};

TEST_F(MouseCommandsTest, LightingPollingRateAndStageGoToTheBlockAndReadBack) {
    bus->plug(SimProduct::Mouse);
    const RunOutcome set = run({"-e",
                                "mouse set mode light_mode_mouse_5 brightness 2 speed 1 "
                                "direction 1 colour 102030 colourful off polling-rate 1 stage 3"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    const std::vector<uint8_t> written = block();
    // Mode code 5, speed stored as 4 - level, then polling rate and current stage.
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + 9),
              (std::vector<uint8_t>{0, 5, 2, 3, 1, 0, 0x10, 0x20, 0x30}));
    EXPECT_EQ(written[11], 1);
    EXPECT_EQ(written[12], 3);
    EXPECT_EQ(mouse_profile()["LightInfo"]["SelectItem"].asInt(), 5);
    EXPECT_EQ(mouse_profile()["ReportStages"]["StageActive"].asInt(), 1);
    EXPECT_EQ(mouse_profile()["DPIStages"]["StageActive"].asInt(), 3);

    // Changed on the mouse itself: the read asks the mouse, not the profile.
    ASSERT_TRUE(bus->switch_dpi_stage(SimProduct::Mouse, 2));
    const Json::Value read = json_of(run({"--json", "mouse", "get"}));
    EXPECT_EQ(read["connection"], "cable");
    EXPECT_EQ(read["lighting"]["source"], "device");
    EXPECT_EQ(read["lighting"]["mode"], 5);
    EXPECT_EQ(read["lighting"]["mode-name"], "light_mode_mouse_5");
    EXPECT_EQ(read["lighting"]["speed"], 1);
    EXPECT_EQ(read["lighting"]["colour"], "#102030");
    EXPECT_EQ(read["lighting"]["colourful"], false);
    EXPECT_EQ(read["dpi"]["source"], "device");
    EXPECT_EQ(read["dpi"]["stage"], 2);
    EXPECT_EQ(read["dpi"]["polling-rate"], 1);
    EXPECT_EQ(read["pointer"]["source"], "profile");

    // Pointer settings stay in the profile: nothing is sent. The wheel clears scroll-by-page.
    ASSERT_EQ(run({"mouse", "set", "scroll-by-page", "on"}).exit_code, kExitOk);
    int transfers = firmware_transfers();
    ASSERT_EQ(run({"mouse", "get", "pointer"}).exit_code, kExitOk);
    const int arrival_transfers = firmware_transfers() - transfers;
    transfers = firmware_transfers();
    const RunOutcome pointer = run({"mouse", "set", "pointer-speed", "15", "wheel-lines", "7"});
    ASSERT_EQ(pointer.exit_code, kExitOk) << pointer.err;
    EXPECT_EQ(firmware_transfers() - transfers, arrival_transfers);
    const Json::Value stages = mouse_profile()["SystemStages"];
    EXPECT_EQ(stages["MouseSpeed"].asInt(), 15);
    EXPECT_EQ(stages["WheelScorlllinse"].asInt(), 7);
    EXPECT_EQ(stages["ScorllPage"].asInt(), 0);
}

TEST_F(MouseCommandsTest, ATypedDpiIsStoredInTheMousesStepsAndTheCurrentStageStaysOn) {
    bus->plug(SimProduct::Mouse);
    // The emulated sensor starts at 100 DPI and moves 100 a step: 3250 DPI is step 31.
    const RunOutcome set = run({"--json", "-e", "mouse dpi 4 3250 colour 0a0b0c; mouse get dpi"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    const std::vector<uint8_t> written = block();
    const size_t stage4 = kFirstStageByte + 4 * kStageBytes;
    // Enabled, X/Y flag, X 31, Y as the profile had it (47), colour.
    EXPECT_EQ(std::vector<uint8_t>(written.begin() + static_cast<long>(stage4),
                                   written.begin() + static_cast<long>(stage4 + kStageBytes)),
              (std::vector<uint8_t>{1, 0, 31, 0, 47, 0, 0x0A, 0x0B, 0x0C}));
    const Json::Value read = json_of(set);
    EXPECT_EQ(read["stages"][4]["step"], 31);
    EXPECT_EQ(read["stages"][4]["dpi"], 3200);
    EXPECT_EQ(read["stages"][4]["colour"], "#0a0b0c");
    EXPECT_EQ(mouse_profile()["DPIStages"]["StageDPIs"][4]["StageDPIX"].asInt(), 31);

    // The mouse runs stage 1 out of the factory: it cannot be switched off.
    const RunOutcome current = run({"mouse", "dpi", "1", "enabled", "off"});
    EXPECT_EQ(current.exit_code, kExitUsage);
    EXPECT_NE(current.err.find("stage 1 is the current stage"), std::string::npos) << current.err;
    EXPECT_EQ(block()[kFirstStageByte + 1 * kStageBytes], 1);
    ASSERT_EQ(run({"-e", "mouse set stage 4; mouse dpi 1 enabled off"}).exit_code, kExitOk);
    EXPECT_EQ(block()[12], 4);
    EXPECT_EQ(block()[kFirstStageByte + 1 * kStageBytes], 0);
    EXPECT_EQ(run({"mouse", "set", "stage", "1"}).exit_code, kExitUsage);  // switched off
    // Outside what the page's DPI edit takes.
    EXPECT_EQ(run({"mouse", "dpi", "2", "50"}).exit_code, kExitUsage);
}

TEST_F(MouseCommandsTest, AnAssignmentLandsInTheButtonsSlotAndAMissingButtonIsRefused) {
    bus->plug(SimProduct::Mouse);
    const std::optional<size_t> forward = slot_of({0x10, 0x10, 0x00});
    ASSERT_TRUE(forward);
    // This mouse lacks the GM button: no slot holds its factory function.
    ASSERT_FALSE(slot_of({0xA0, 0x1B, 0x00}));

    const RunOutcome assigned =
        run({"--json", "-e", "mouse assign forward mouse_key_DPI_add", "-e", "mouse get buttons"});
    ASSERT_EQ(assigned.exit_code, kExitOk) << assigned.err;
    EXPECT_EQ(memory(SimProduct::Mouse, FirmwareMemory::ActiveTable, *forward * 3, 3),
              (std::vector<uint8_t>{0x13, 0x01, 0x00}));
    EXPECT_EQ(mouse_profile()["KeyList"][3]["Assignment"].asInt(), 0x130100);
    const Json::Value read = json_of(assigned);
    EXPECT_EQ(read["source"], "profile");
    EXPECT_EQ(read["buttons"][3]["name"], "forward");
    EXPECT_EQ(read["buttons"][3]["function"], "mouse_key_DPI_add");
    EXPECT_EQ(read["buttons"][3]["slot"], static_cast<int>(*forward));
    EXPECT_EQ(read["buttons"][8]["slot"], "none");

    const RunOutcome missing = run({"mouse", "assign", "gm", "F5"});
    EXPECT_EQ(missing.exit_code, kExitUsage);
    EXPECT_NE(missing.err.find("this mouse has no button 8 (gm)"), std::string::npos)
        << missing.err;
    EXPECT_EQ(mouse_profile()["KeyList"][8]["Assignment"],
              mouse_profile()["KeyList"][8]["DefaultAssignment"]);

    // "default" puts the factory function back.
    ASSERT_EQ(run({"mouse", "assign", "3", "default"}).exit_code, kExitOk);
    EXPECT_EQ(memory(SimProduct::Mouse, FirmwareMemory::ActiveTable, *forward * 3, 3),
              (std::vector<uint8_t>{0x10, 0x10, 0x00}));
}

TEST_F(MouseCommandsTest, AMouseOutOfItsReceiversReachKeepsTheChangeInTheProfile) {
    bus->plug(SimProduct::MouseReceiver);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    const std::vector<uint8_t> before = block();
    const RunOutcome set = run({"mouse", "set", "brightness", "1"});
    EXPECT_EQ(set.exit_code, kExitDeviceError);
    EXPECT_NE(set.err.find("out of its receiver's reach"), std::string::npos) << set.err;
    EXPECT_EQ(mouse_profile()["LightInfo"]["Light"].asInt(), 1);
    EXPECT_EQ(block(), before);
    EXPECT_EQ(run({"mouse", "assign", "left", "mouse_key_right"}).exit_code, kExitDeviceError);
    EXPECT_EQ(mouse_profile()["KeyList"][0]["Assignment"].asInt(), 0x100200);
    // A DPI needs the mouse's scale.
    EXPECT_EQ(run({"mouse", "dpi", "1", "800"}).exit_code, kExitDeviceError);

    // Reads show the profile, and say so.
    const Json::Value read = json_of(run({"--json", "mouse", "get", "lighting"}));
    EXPECT_EQ(read["connection"], "receiver");
    EXPECT_EQ(read["lighting"]["source"], "profile");
    EXPECT_EQ(read["lighting"]["brightness"], 1);

    // Back in reach, a change goes through the receiver.
    bus->set_device_linked(SimProduct::MouseReceiver, true);
    const RunOutcome linked = run({"mouse", "set", "brightness", "3"});
    ASSERT_EQ(linked.exit_code, kExitOk) << linked.err;
    EXPECT_EQ(block()[2], 3);
}

TEST_F(MouseCommandsTest, UsageErrorsStopTheRunBeforeAnythingChanges) {
    bus->plug(SimProduct::Mouse);
    for (const char* command :
         {"mouse set brightness 5", "mouse set polling-rate 5", "mouse set stage 5",
          "mouse set wheel-lines 0", "mouse set six-key on", "mouse dpi 5 800", "mouse dpi 1",
          "mouse dpi 1 800 enabled maybe", "mouse dpi 1 800 colour", "mouse assign 11 left",
          "mouse assign left F13", "mouse get keys", "mouse frobnicate"}) {
        const RunOutcome outcome = run({"-e", std::string("mouse set brightness 1; ") + command});
        EXPECT_EQ(outcome.exit_code, kExitUsage) << command;
        EXPECT_FALSE(outcome.err.empty()) << command;
    }
    // Nothing ran: no profile was made, the mouse's block is the factory's.
    EXPECT_FALSE(
        std::filesystem::exists(folders.user_data_folder / "RM52X31C" / "ProfileList.ini"));
    EXPECT_EQ(block()[2], 4);

    // What only the mode or macro list can tell is found when the command runs.
    EXPECT_EQ(run({"mouse", "set", "mode", "12"}).exit_code, kExitUsage);
    EXPECT_EQ(run({"mouse", "assign", "left", "macro:0"}).exit_code, kExitUsage);
}

}  // namespace
}  // namespace ilmo::ctl
