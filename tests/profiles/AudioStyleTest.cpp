#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/AudioStyleDocument.h"

namespace ilmo::profiles {
namespace {

using datatest::file_text;
using datatest::json;
using datatest::put_file;

TEST(AudioStyleRecord, ValuesInRangeAreTakenAndEmptyNamesGetTheDefaultNames) {
    AudioStyleRecord record = default_audio_style();
    merge_audio_style(json(R"({"nAudioStyle": 2, "nStyleName1": "", "nStyleName2": "Mine",
        "nStyleName3": 3, "nStyleR0": 9, "nStyleG0": 10, "nStyleB0": -1, "nStyleR1": "5",
        "nStyleB3": 4})"),
                      record);
    EXPECT_EQ(record.selected_style, 2);
    EXPECT_EQ(record.names[0], "第一组");
    EXPECT_EQ(record.names[1], "Mine");
    EXPECT_EQ(record.names[2], "第三组");
    EXPECT_EQ(record.colors[0], (StyleColor{9, 0, 0}));
    EXPECT_EQ(record.colors[1], StyleColor{});
    EXPECT_EQ(record.colors[3], (StyleColor{0, 0, 4}));

    record.names[3] = "";
    const Json::Value info = encode_audio_style(record);
    EXPECT_EQ(info["nStyleName4"].asString(), "第四组");
    EXPECT_EQ(info["nStyleB3"].asInt(), 4);
    EXPECT_EQ(info.size(), 1u + 4u + 12u);
}

TEST(AudioStyleRecord, UserValuesWinWhereValidAndDeviceComesAcross) {
    const Json::Value defaults = json(R"({"Device": [{"d": 1}], "AudioLightInfo":
        {"nAudioStyle": 1, "nStyleName2": "Shipped", "nStyleR1": 7, "nStyleG1": 8}})");
    const Json::Value user = json(R"({"AudioLightInfo": {"nStyleR1": 3, "nStyleG1": 99,
        "nAudioStyle": "x"}})");
    const Json::Value merged = merge_audio_documents(defaults, user);
    EXPECT_EQ(merged["Device"], defaults["Device"]);
    const Json::Value& info = merged["AudioLightInfo"];
    EXPECT_EQ(info["nStyleR1"].asInt(), 3);
    EXPECT_EQ(info["nStyleG1"].asInt(), 8);
    EXPECT_EQ(info["nAudioStyle"].asInt(), 1);
    EXPECT_EQ(info["nStyleName2"].asString(), "Shipped");

    const Json::Value own_device = json(R"({"Device": [{"u": 2}]})");
    EXPECT_EQ(merge_audio_documents(defaults, own_device)["Device"], own_device["Device"]);
}

class AudioStyleDocumentTest : public datatest::TempFolderTest {};

TEST_F(AudioStyleDocumentTest, StartWritesTheUserFileAndAChangeIsSaved) {
    put_file(root_ / "DefaultData" / "AudioFile.json",
             R"({"Device": [], "AudioLightInfo": {"nStyleR2": 6}})");
    const auto user_folder = root_ / "ILMO RQ07";
    AudioStyleDocument styles(root_ / "DefaultData", user_folder);
    ASSERT_TRUE(styles.load());
    EXPECT_EQ(styles.record().colors[2].red, 6);
    const Json::Value written = json(file_text(user_folder / "AudioFile.json"));
    EXPECT_EQ(written["AudioLightInfo"]["nStyleName1"].asString(), "第一组");
    EXPECT_TRUE(written.isMember("Device"));

    AudioStyleRecord changed = styles.record();
    changed.selected_style = 3;
    changed.names[3] = "Night";
    changed.colors[3] = {1, 2, 3};
    ASSERT_TRUE(styles.store(changed));
    AudioStyleDocument reread(root_ / "DefaultData", user_folder);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.record(), changed);
}

TEST_F(AudioStyleDocumentTest, AnUnreadableUserFileIsKeptAsideNotOverwritten) {
    const auto user_folder = root_ / "ILMO RQ07";
    put_file(user_folder / "AudioFile.json", R"({"AudioLightInfo": {"nStyleR2": 6)");
    AudioStyleDocument styles(root_ / "DefaultData", user_folder);
    ASSERT_TRUE(styles.load());
    EXPECT_EQ(file_text(user_folder / "AudioFile.json.unreadable"),
              R"({"AudioLightInfo": {"nStyleR2": 6)");
    EXPECT_TRUE(json(file_text(user_folder / "AudioFile.json")).isMember("AudioLightInfo"));
}

}  // namespace
}  // namespace ilmo::profiles
