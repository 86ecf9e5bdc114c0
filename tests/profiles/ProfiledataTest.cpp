#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/CHs6533Profiledata.h"
#include "profiles/CKeyboardProfiledata.h"
#include "profiles/CMouseProfiledata.h"

namespace ilmo::profiles {
namespace {

using datatest::file_text;
using datatest::folder_snapshot;
using datatest::json;
using datatest::put_file;

constexpr const char* kDefaultKeyboard = R"({"profilename": "default", "profileUUID": "",
  "Device": [{
    "LightInfo": {"SelectItem": 2, "Light": 4, "Speed": 2, "Fx": 0, "MultiColor": 0,
                  "Red": 255, "Green": 0, "Blue": 0, "ZZCCLedMode": 0, "CustomGroup": 0,
                  "OldLedmode": 1},
    "KeyList": [{"Assignment": 131102, "FnAssignment": 0, "DefaultAssignment": 131102},
                {"Assignment": 131103, "FnAssignment": 0, "DefaultAssignment": 131103}],
    "SystemStages": {"Repeat": 3, "RepeatDelay": 2, "Key6Flag": 0, "PollingRate": 1,
                     "WFlag": 0, "WinFlag": 0},
    "FnKeysetFlag": false}]})";

class ProfiledataTest : public datatest::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        folder_ = root_ / "ILMO RQ07" / "RM52X30C";
        profile_ = folder_ / "2024_03_07_09_05_41_007.Json";
        default_ = root_ / "DefaultData" / "RM52X30C.Json";
        put_file(default_, kDefaultKeyboard);
        put_file(profile_, R"({"profilename": "Game", "profileUUID": "2024_03_07_09_05_41_007"})");
        keyboard_.set_default_document_path(default_);
        keyboard_.set_document_path(profile_);
    }

    std::filesystem::path folder_, profile_, default_;
    CKeyboardProfiledata keyboard_;
};

TEST_F(ProfiledataTest, IdentityOnlyDocumentGetsTheDefaultSectionOnDisk) {
    ASSERT_TRUE(keyboard_.load_section());
    const Json::Value default_section = json(kDefaultKeyboard)["Device"][0];
    EXPECT_EQ(keyboard_.section(), default_section);

    const Json::Value stored = json(file_text(profile_));
    EXPECT_EQ(stored["profilename"].asString(), "Game");
    EXPECT_EQ(stored["profileUUID"].asString(), "2024_03_07_09_05_41_007");
    EXPECT_EQ(stored["Device"][0], default_section);
    EXPECT_EQ(keyboard_.read_light_info().mode, 2);
}

TEST_F(ProfiledataTest, WithoutDefaultsTheDocumentKeepsOnlyItsIdentity) {
    std::filesystem::remove(default_);
    const std::string before = file_text(profile_);
    EXPECT_TRUE(keyboard_.load_section());
    EXPECT_TRUE(keyboard_.section().isNull());
    EXPECT_EQ(file_text(profile_), before);
    // Nothing to read from: the fallback record, an empty key list, zero settings.
    LightRecord fallback;
    fallback.mode = 9;
    keyboard_.set_fallback_light_record(fallback);
    EXPECT_EQ(keyboard_.read_light_info(), fallback);
    EXPECT_TRUE(keyboard_.read_key_list().empty());
    EXPECT_EQ(keyboard_.read_system_stages(), SystemWords{});
}

TEST_F(ProfiledataTest, TheLargestKeyboardProfileReadsBackWithRoomToSpare) {
    // Every custom colour group the lighting record can name (one byte) for every key
    // position, every key and light filled, the widest values everywhere.
    constexpr size_t kGroups = 256, kPositions = 170;
    Json::Value document = json(kDefaultKeyboard);
    Json::Value& section = document["Device"][0];
    for (Json::ArrayIndex k = 0; k < kPositions; ++k) {
        section["KeyList"][k] = json(R"({"Assignment": 16777215, "FnAssignment": 16777215,
                                         "DefaultAssignment": 16777215})");
        section["LightList"][k] = json(R"({"LEDREGMode": 255, "LEDBrightness": 255,
            "LEDSpeed": 255, "LEDDirection": true, "LEDMultiColor": true, "red": 255,
            "green": 255, "blue": 255})");
    }
    put_file(profile_, styled_json(document));
    ASSERT_TRUE(keyboard_.load_section());
    const std::vector<KeyColor> white(kPositions, KeyColor{255, 255, 255, 255});
    for (size_t g = 0; g < kGroups; ++g) keyboard_.write_custom_colors(g, white);
    keyboard_.write_custom_group_index(static_cast<int>(kGroups) - 1);
    ASSERT_TRUE(keyboard_.save());
    EXPECT_LT(3 * std::filesystem::file_size(profile_), kMaxDocumentBytes);

    CKeyboardProfiledata reread;
    reread.set_document_path(profile_);
    ASSERT_TRUE(reread.load_section());
    EXPECT_EQ(reread.read_custom_colors(kGroups - 1, kPositions), white);
    EXPECT_EQ(reread.read_key_list().size(), kPositions);
    EXPECT_FALSE(std::filesystem::exists(profile_.string() + ".unreadable"));
}

TEST_F(ProfiledataTest, WritersChangeMemoryUntilSaveWritesTheWholeDocument) {
    ASSERT_TRUE(keyboard_.load_section());
    std::vector<KeyEntry> keys = keyboard_.read_key_list();
    keys[1].normal = {1, 0x70, 0x02, 0x00};
    keyboard_.write_key_list(keys);
    keyboard_.write_fn_keyset_flag(true);
    keyboard_.write_system_stages({join_halves(4, 1), 0, 0});
    EXPECT_EQ(json(file_text(profile_))["Device"][0]["KeyList"][1]["Assignment"].asInt(), 131103);

    ASSERT_TRUE(keyboard_.save());
    CKeyboardProfiledata reloaded;
    reloaded.set_document_path(profile_);
    reloaded.set_document_path("");  // an empty path never replaces the set one
    ASSERT_TRUE(reloaded.load_section());
    EXPECT_EQ(reloaded.read_key_list()[1].normal, (AssignmentGroup{1, 0x70, 0x02, 0x00}));
    EXPECT_EQ(reloaded.read_key_list()[1].factory, (AssignmentGroup{1, 0x02, 0x00, 0x1F}));
    EXPECT_TRUE(reloaded.read_fn_keyset_flag());
    EXPECT_EQ(reloaded.read_system_stages()[0], join_halves(4, 1));
    EXPECT_EQ(json(file_text(profile_))["profilename"].asString(), "Game");
}

TEST_F(ProfiledataTest, SecondSectionChangesAnotherProfileOnly) {
    ASSERT_TRUE(keyboard_.load_section());
    const auto other = folder_ / "other.Json";
    put_file(other, file_text(profile_));
    const std::string current_before = file_text(profile_);

    keyboard_.load_second_section(other);
    std::vector<KeyEntry> keys = keyboard_.read_second_key_list();
    ASSERT_EQ(keys.size(), 2u);
    keys[0].fn = {0, 0, 0, 0x2A};
    keyboard_.write_second_key_list(keys);
    ASSERT_TRUE(keyboard_.save_second_section(other));

    EXPECT_EQ(json(file_text(other))["Device"][0]["KeyList"][0]["FnAssignment"].asInt(), 0x2A);
    EXPECT_EQ(file_text(profile_), current_before);
    EXPECT_EQ(keyboard_.read_key_list()[0].fn, (AssignmentGroup{0, 0, 0, 0}));
}

TEST_F(ProfiledataTest, AFailedWriteIsReportedAndDamagesNothing) {
    ASSERT_TRUE(keyboard_.load_section());
    const auto before = folder_snapshot(root_);
    // A destination whose folder is a plain file cannot be written, whoever runs the test.
    CKeyboardProfiledata blocked = keyboard_;
    blocked.set_document_path(profile_ / "inside.Json");
    EXPECT_FALSE(blocked.save());
    EXPECT_FALSE(blocked.write_document(profile_ / "x.Json", keyboard_.section()));
    EXPECT_FALSE(CKeyboardProfiledata().save());  // no path at all
    EXPECT_EQ(folder_snapshot(root_), before);
}

TEST_F(ProfiledataTest, AReadOnlyProfileFolderFailsTheSaveAndKeepsTheDocument) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(keyboard_.load_section());
    const auto before = folder_snapshot(root_);
    std::filesystem::permissions(
        folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    keyboard_.write_fn_keyset_flag(true);
    EXPECT_FALSE(keyboard_.save());
    EXPECT_EQ(folder_snapshot(root_), before);
}

TEST_F(ProfiledataTest, UserEffectComesFromTheProfileFolderListingIt) {
    put_file(folder_ / "pelko_light.config", R"({"LightInfo": [[
        {"LightName": "wave", "Guid": "2024_01_01_00_00_00_000"},
        {"LightName": "gone", "Guid": "2024_01_02_00_00_00_000"},
        {"LightName": "escape", "Guid": "../../escape"}]]})");
    put_file(folder_ / "2024_01_01_00_00_00_000.light", R"({"LEDEffectList": [
        {"LEDREGMode": 1, "LEDDirection": 0, "LEDBrightness": 4, "LEDSpeed": 2,
         "LEDMultiColor": 0, "red": 255, "green": 0, "blue": 9, "Time": 100, "Cyle": 3},
        {"LEDREGMode": 4, "Time": 50}]})");
    put_file(root_ / "escape.light", R"({"LEDEffectList": [{"LEDREGMode": 7}]})");
    ASSERT_NE(std::filesystem::current_path(), folder_);
    ASSERT_TRUE(keyboard_.load_light_config(folder_ / "pelko_light.config"));

    const auto& steps = keyboard_.read_user_effect(12, 12, 0);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], (EffectStep{1, 4, 2, 0, 0, 255, 0, 9, 100, 3}));
    EXPECT_EQ(steps[1].time, 50);
    EXPECT_TRUE(keyboard_.read_user_effect(11, 12, 0).empty());  // a built-in mode
    EXPECT_TRUE(keyboard_.read_user_effect(13, 12, 0).empty());  // its file is missing
    EXPECT_TRUE(keyboard_.read_user_effect(14, 12, 0).empty());  // names no plain file
    EXPECT_TRUE(keyboard_.read_user_effect(15, 12, 0).empty());  // no such effect

    std::filesystem::remove(folder_ / "pelko_light.config");
    EXPECT_FALSE(keyboard_.load_light_config(folder_ / "pelko_light.config"));
    EXPECT_TRUE(keyboard_.read_user_effect(12, 12, 0).empty());
}

TEST_F(ProfiledataTest, MouseStagesOfAProfileWithFewerStagesKeepTheRest) {
    CMouseProfiledata mouse;
    const auto six = folder_ / "six.Json";
    const auto five = folder_ / "five.Json";
    Json::Value stages(Json::arrayValue);
    for (int i = 0; i < 6; ++i) stages[i]["StageDPIX"] = 100 * (i + 1);
    Json::Value document;
    document["Device"][0]["DPIStages"]["StageDPIs"] = stages;
    put_file(six, styled_json(document));
    stages.resize(5);
    for (int i = 0; i < 5; ++i) stages[i]["StageDPIX"] = 70000;
    document["Device"][0]["DPIStages"]["StageDPIs"] = stages;
    document["Device"][0]["DPIStages"]["StageActive"] = 4;
    put_file(five, styled_json(document));

    mouse.set_document_path(six);
    ASSERT_TRUE(mouse.load_section());
    ASSERT_EQ(mouse.read_dpi_stages().size(), 6u);
    mouse.set_document_path(five);
    ASSERT_TRUE(mouse.load_section());
    const auto& merged = mouse.read_dpi_stages();
    ASSERT_EQ(merged.size(), 6u);
    EXPECT_EQ(merged[4].dpi_x_step, 4464);
    EXPECT_EQ(merged[5].dpi_x_step, 600);
    EXPECT_EQ(mouse.active_stage(), 4);

    mouse.write_system_stages({0, 0, join_halves(3, 3)});
    mouse.write_active_stage(1);
    ASSERT_TRUE(mouse.save());
    const Json::Value stored = json(file_text(five))["Device"][0];
    EXPECT_EQ(stored["ReportStages"]["StageActive"].asInt(), 3);
    EXPECT_EQ(stored["DPIStages"]["StageActive"].asInt(), 1);
}

TEST_F(ProfiledataTest, HeadsetEqualiserBandsCreatedOnReadReachTheFile) {
    CHs6533Profiledata headset;
    headset.set_document_path(profile_);
    headset.load_section();
    EXPECT_EQ(headset.read_eq_preset(3), EqBands{});
    headset.write_settings({1, 2, 13, 0, 1, 55, 0, 0});
    EXPECT_EQ(headset.settings().mic_in_percent, 55);
    ASSERT_TRUE(headset.save());

    const Json::Value stored = json(file_text(profile_))["Device"][0];
    EXPECT_EQ(stored["EQHzValueInfo"][3].size(), 10u);
    EXPECT_EQ(stored["SystemSetStages"]["EqType"].asInt(), 13);
}

}  // namespace
}  // namespace ilmo::profiles
