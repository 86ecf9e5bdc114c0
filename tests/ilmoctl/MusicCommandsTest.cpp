// The music settings the tool changes: the keyboard's music lighting in its profile, and
// the music styles of "AudioFile.json", merged with the shipped file as the program merges
// them. Wrong values change nothing.

#include "ToolRunFixture.h"

namespace ilmo::ctl {
namespace {

using sim::SimProduct;

class MusicCommandsTest : public ToolRunFixture {
protected:
    std::filesystem::path styles_file() const { return folders.user_data_folder / "AudioFile.json"; }
    std::string styles_text() const {
        std::string text;
        profiles::read_file_bytes(styles_file(), text);
        return text;
    }
};

TEST_F(MusicCommandsTest, KeyboardMusicLightingIsStoredInTheProfileAndReadsBack) {
    bus->plug(SimProduct::Keyboard);
    const RunOutcome set = run({"-e", "keyboard set audio-mode 4 audio-background 102030 "
                                      "audio-foreground #a0b0c0 audio-wheel on"});
    ASSERT_EQ(set.exit_code, kExitOk) << set.err;
    const Json::Value stored = profile_section("RM52X30C")["AudioLightInfo"];
    EXPECT_EQ(stored["AudioMode"], 4);
    EXPECT_EQ(stored["BkColorR"], 0x10);
    EXPECT_EQ(stored["BkColorB"], 0x30);
    EXPECT_EQ(stored["FgColorG"], 0xb0);
    EXPECT_EQ(stored["7ColorFlags"], 1);

    const Json::Value read = json_of(run({"--json", "keyboard", "get", "lighting"}));
    EXPECT_EQ(read["music"]["audio-mode"], 4);
    EXPECT_EQ(read["music"]["audio-background"], "#102030");
    EXPECT_EQ(read["music"]["audio-foreground"], "#a0b0c0");
    EXPECT_EQ(read["music"]["audio-wheel"], true);

    // One wrong value refuses the whole command: the mode beside it is not taken either.
    for (const char* wrong : {"audio-mode 7", "audio-background 12345", "audio-wheel maybe"}) {
        const RunOutcome refused = run({"-e", std::string("keyboard set audio-mode 1 ") + wrong});
        EXPECT_EQ(refused.exit_code, kExitUsage) << wrong;
    }
    EXPECT_EQ(profile_section("RM52X30C")["AudioLightInfo"]["AudioMode"], 4);
}

TEST_F(MusicCommandsTest, StylesRoundTripThroughTheUserFileAndRefuseWrongValues) {
    // A first read writes the user file from the shipped one, its "Device" member included.
    const Json::Value shipped = json_of(run({"--json", "music", "styles"}));
    EXPECT_EQ(shipped["selected"], 0);
    EXPECT_EQ(shipped["styles"][0]["colour"], "9,3,0");
    EXPECT_TRUE(profiles::read_json_file(styles_file())["Device"].isArray());

    ASSERT_EQ(run({"-e", "music styles set selected 2 name-1 Bass colour-1 9,0,3 name-2 '' "
                         "colour-3 105"}).exit_code,
              kExitOk);
    const Json::Value info = profiles::read_json_file(styles_file())["AudioLightInfo"];
    EXPECT_EQ(info["nAudioStyle"], 2);
    EXPECT_EQ(info["nStyleName2"], "Bass");
    EXPECT_EQ(info["nStyleName3"], "第三组");  // an empty name is the style's default name
    EXPECT_EQ(info["nStyleR1"], 9);
    EXPECT_EQ(info["nStyleB1"], 3);
    EXPECT_EQ(info["nStyleG3"], 0);
    EXPECT_EQ(info["nStyleB3"], 5);
    const Json::Value read = json_of(run({"--json", "music", "styles", "get"}));
    EXPECT_EQ(read["styles"][1]["name"], "Bass");
    EXPECT_EQ(read["styles"][3]["colour"], "1,0,5");

    const std::string before = styles_text();
    for (const char* wrong : {"selected 4", "colour-0 9a0", "colour-0 10,0,0", "colour-0 99",
                              "name-4 x", "colour- 123", "selected"}) {
        const RunOutcome refused = run({"-e", std::string("music styles set name-0 Kept ") + wrong});
        EXPECT_EQ(refused.exit_code, kExitUsage) << wrong;
    }
    EXPECT_EQ(styles_text(), before);
}

}  // namespace
}  // namespace ilmo::ctl
