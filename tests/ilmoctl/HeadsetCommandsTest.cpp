// The headset commands run as the tool runs them with --demo: the emulated audio library is
// loaded from the program folder's SDK/, as the program loads it, and its write log shows
// what reached it. Each run starts the sound side as the page does; the library keeps its
// properties between runs, as a driver would.

#include <algorithm>
#include <string>
#include <vector>

#include "ToolRunFixture.h"
#include "audio/EmulatedLibrary.h"

namespace ilmo::ctl {
namespace {

using audio::testing::LoggedWrite;

class HeadsetCommandsTest : public ToolRunFixture {
protected:
    HeadsetCommandsTest() {
        // A program folder as the build assembles it: the default data and the SDK.
        const std::filesystem::path program = data / "program";
        std::filesystem::create_directories(program / "SDK");
        std::filesystem::create_directory_symlink(
            std::filesystem::path(ILMO_SOURCE_DIR) / "DefaultData", program / "DefaultData");
        std::filesystem::create_symlink(ILMO_EMULATED_CONF_LIB,
                                        program / "SDK" / "libosConfLib-emulated.so");
        folders.program_folder = program;
    }

    // One run with --demo and these command texts.
    RunOutcome demo(std::vector<std::string> texts, bool json = false) {
        std::vector<std::string> arguments{"--demo"};
        if (json) arguments.push_back("--json");
        for (std::string& text : texts) {
            arguments.push_back("-e");
            arguments.push_back(std::move(text));
        }
        return run(arguments);
    }
    Json::Value settings() { return profile_section("HS6533")["SystemSetStages"]; }
    // The library's writes of `name` since the log was last cleared.
    std::vector<LoggedWrite> writes_of(std::string_view name) const {
        std::vector<LoggedWrite> found;
        for (const LoggedWrite& w : library.writes())
            if (w.name == name) found.push_back(w);
        return found;
    }
    std::vector<int> bands(const Json::Value& read) {
        std::vector<int> values;
        for (const Json::Value& band : read["bands"]) values.push_back(band["value"].asInt());
        return values;
    }

    audio::testing::EmulatedLibrary library;
};

TEST_F(HeadsetCommandsTest, SoundSettingsReachTheLibraryAndTheProfileAndReadBack) {
    ASSERT_EQ(demo({"headset set voice on"}).exit_code, kExitOk);
    library.reset();
    const RunOutcome set = demo({"headset set mic-level 55 voice-effect 3 eq 4"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    const std::vector<LoggedWrite> level = writes_of("VolumeScalarControl");
    ASSERT_EQ(level.size(), 1u);
    EXPECT_FLOAT_EQ(level[0].scalar, 0.55F);
    EXPECT_EQ(level[0].second, -1);
    // The start put the stored effect back first; the command's write comes last.
    EXPECT_EQ(writes_of("MagicVoice_Selection").back().value, 2);
    EXPECT_EQ(settings()["MicInValue"].asInt(), 55);
    EXPECT_EQ(settings()["MagicType"].asInt(), 3);
    EXPECT_EQ(settings()["EqType"].asInt(), 4);

    // A later run reads the profile and what the library reports.
    const Json::Value read = json_of(demo({"headset get"}, true));
    EXPECT_EQ(read["microphone"]["level"], 55);
    EXPECT_EQ(read["microphone"]["highest"], "100.00");
    EXPECT_EQ(read["voice"]["effect"], 3);
    EXPECT_EQ(read["equaliser"]["option"], 4);
    EXPECT_EQ(bands(read), (std::vector<int>{2, 1, -2, -3, -5, -7, 0, 4, 9, 8}));
    EXPECT_EQ(read["library"]["available"], true);

    // Off is the plain path: the equaliser is switched off and the profile keeps none.
    library.reset();
    ASSERT_EQ(demo({"headset set eq off"}).exit_code, kExitOk);
    EXPECT_EQ(writes_of("Enable_EQ_GFX").back().value, 0);
    EXPECT_EQ(settings()["EqType"].asInt(), 0);
}

TEST_F(HeadsetCommandsTest, BandsAndCustomCurves) {
    // A band moved on preset 4 switches to custom and writes that band only.
    ASSERT_EQ(demo({"headset set eq 4"}).exit_code, kExitOk);
    library.reset();
    const RunOutcome moved =
        demo({"headset band 3 6; headset curve save Mine", "headset get eq"}, true);
    ASSERT_EQ(moved.exit_code, kExitOk) << moved.err;
    // The start applied the stored preset 4 (all ten bands); the band wrote one more.
    EXPECT_EQ(writes_of("EQ_Slider3").size(), writes_of("EQ_Slider4").size() + 1);
    EXPECT_EQ(library.writes().back().name, "EQ_Slider3");
    EXPECT_EQ(library.writes().back().value, 6);
    const Json::Value eq = json_of(moved);
    EXPECT_EQ(eq["equaliser"]["name"], "custom");
    EXPECT_EQ(eq["equaliser"]["curve"], "Mine");
    EXPECT_EQ(bands(eq)[2], 6);
    EXPECT_EQ(profile_section("HS6533")["CustomEQNameInfo"][0]["Name"], "Mine");

    // Names are compared ignoring case; twenty curves at most.
    const RunOutcome taken = demo({"headset curve save MINE"});
    EXPECT_EQ(taken.exit_code, kExitUsage);
    EXPECT_NE(taken.err.find("This name is already in use, or the list is full."),
              std::string::npos)
        << taken.err;
    std::string more;
    for (int i = 2; i <= 20; ++i) more += "headset curve save c" + std::to_string(i) + ";";
    ASSERT_EQ(demo({more}).exit_code, kExitOk);
    EXPECT_EQ(demo({"headset curve save c21"}).exit_code, kExitUsage);
    EXPECT_EQ(profile_section("HS6533")["CustomEQNameInfo"].size(), 20u);

    // Choosing applies the curve; deleting it selects the one that took its place.
    // The selected curve chosen again while a preset plays is applied again.
    const Json::Value chosen = json_of(demo(
        {"headset curve choose MINE; headset set eq 2; headset curve choose MINE; headset get"},
        true));
    EXPECT_EQ(chosen["equaliser"]["name"], "custom");
    EXPECT_EQ(chosen["curves"][0]["selected"], true);
    EXPECT_EQ(chosen["curves"][19]["selected"], false);
    ASSERT_EQ(demo({"headset curve delete c10"}).exit_code, kExitOk);
    const Json::Value curves = json_of(demo({"headset get curves"}, true));
    ASSERT_EQ(curves["curves"].size(), 19u);
    EXPECT_EQ(curves["curves"][9]["name"], "c11");
    EXPECT_EQ(curves["curves"][9]["selected"], true);
    EXPECT_EQ(settings()["EqType"].asInt(), 13);
    // A name is found by the same rule that keeps names apart, in any script.
    EXPECT_EQ(demo({"headset curve save \u00c4rger; headset curve choose \u00e4RGER"}).exit_code,
              kExitOk);
}

TEST_F(HeadsetCommandsTest, RefusedWriteNamesThePropertyAndStoresNothing) {
    ASSERT_EQ(demo({"headset set mic-level 40"}).exit_code, kExitOk);
    library.fail_next("VolumeScalarControl", true);
    const RunOutcome failed = demo({"headset set mic-level 70"});
    EXPECT_EQ(failed.exit_code, kExitDeviceError);
    EXPECT_NE(failed.err.find("VolumeScalarControl"), std::string::npos) << failed.err;
    EXPECT_EQ(settings()["MicInValue"].asInt(), 40);

    library.fail_next("Enable_MAGICVOICE", true);
    EXPECT_EQ(demo({"headset set voice on"}).exit_code, kExitDeviceError);
    EXPECT_EQ(settings()["MagicEnable"].asInt(), 0);
}

TEST_F(HeadsetCommandsTest, LightingIsStoredAndSentToTheConnectedHeadset) {
    bus->plug(sim::SimProduct::Headset);
    const RunOutcome set = demo({"headset set mode 3 colour 00a000 colourful off brightness 4"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    EXPECT_EQ(profile_section("HS6533")["LightInfo"]["Green"].asInt(), 0xA0);
    const auto reports = bus->packet_log().reports_of(sim::SimProduct::Headset);
    ASSERT_EQ(reports.size(), 12u);
    // One frame: its green reports for lights 0-6 (0xAB) lit, its red ones (0xAA) dark.
    for (const auto& report : reports) {
        if (report.bytes[2] == 0xAB) {
            EXPECT_GT(report.bytes[4], 0) << "green";
        }
        if (report.bytes[2] == 0xAA) {
            EXPECT_EQ(report.bytes[4], 0) << "red";
        }
    }
}

TEST_F(HeadsetCommandsTest, UsageErrorsAndMissingLibrary) {
    for (const char* text :
         {"headset band 0 3", "headset band 11 3", "headset band 2 x", "headset band 2 21",
          "headset band 2 -21", "headset set eq 14",
          "headset set mic-level 101", "headset set direction 1", "headset curve choose",
          "headset get bands", "headset set voice on voice-effect 0", "headset set voice-effect 9"})
        EXPECT_EQ(demo({text}).exit_code, kExitUsage) << text;
    // Without --demo the real library is looked for, and this program folder has none.
    const RunOutcome missing = run({"headset", "set", "mic-level", "30"});
    EXPECT_EQ(missing.exit_code, kExitDeviceError);
    EXPECT_NE(missing.err.find("libosConfLib.so"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace ilmo::ctl
