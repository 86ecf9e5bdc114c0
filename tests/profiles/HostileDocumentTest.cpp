// Profile documents and configuration files come from disk, imports and other tools. These
// cases feed them what a careless editor or a cut-off write leaves behind.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ProfiledataFixture.h"
#include "profiles/CHs6533Profiledata.h"
#include "profiles/CKeyboardProfiledata.h"
#include "profiles/CorrectInfoSection.h"
#include "profiles/CustomLightSection.h"
#include "profiles/DpiStagesSection.h"
#include "profiles/EqualizerSection.h"
#include "profiles/HeadsetSettingsSection.h"
#include "profiles/LightSection.h"
#include "profiles/SystemStagesSection.h"

namespace ilmo::profiles {
namespace {

using datatest::file_text;
using datatest::json;
using datatest::put_file;

// Every section of the three device kinds at once, every value non-zero.
constexpr const char* kFullSection = R"({
  "LightInfo": {"SelectItem": 3, "Light": 4, "Speed": 2, "Fx": 1, "MultiColor": 1, "Red": 9,
                "Green": 8, "Blue": 7, "ZZCCLedMode": 6, "CustomGroup": 5, "OldLedmode": 4},
  "AudioLightInfo": {"AudioMode": 2, "BkColorR": 1, "BkColorG": 2, "BkColorB": 3,
                     "FgColorR": 4, "FgColorG": 5, "FgColorB": 6, "7ColorFlags": 1,
                     "ColorTypeFlags": 1},
  "LightList": [{"LEDREGMode": 1, "LEDBrightness": 4, "LEDSpeed": 2, "LEDDirection": 1,
                 "LEDMultiColor": 1, "red": 255, "green": 1, "blue": 2}],
  "KeyList": [{"Assignment": 131102, "FnAssignment": 3, "DefaultAssignment": 4}],
  "SystemStages": {"Repeat": 3, "RepeatDelay": 2, "Key6Flag": 1, "PollingRate": 1, "WFlag": 1,
                   "WinFlag": 1, "DoubleClickTime": 500, "MouseSpeed": 10,
                   "PointerPrecision": 1, "ScorllPage": 3, "WheelScorlllinse": 3},
  "ReportStages": {"StageActive": 3},
  "FnKeysetFlag": true,
  "CustomLightMode": {"CustomLightModeGroupIndex": 1,
                      "LightColorInfo": [[{"Red": 1, "Green": 2, "Blue": 3, "Alpha": 4}]]},
  "DPIStages": {"StageActive": 1,
                "StageDPIs": [{"StageActive": 1, "StageXY": 1, "StageDPIX": 800,
                               "StageDPIY": 900, "StageColorR": 1, "StageColorG": 2,
                               "StageColorB": 3}]},
  "CorrectInfo": [{"CorrectPixThresh": 1, "CorrectMinSq": 2, "CorrectSelect": 3,
                   "CorrectName": "A"}],
  "SystemSetStages": {"MagicEnable": 1, "MagicType": 2, "EqType": 3, "CustomEqSeletIndex": 4,
                      "MicInSelect": 5, "MicInValue": 6, "MicMoniterSelect": 7,
                      "MicMoniterValue": 8},
  "EQHzValueInfo": [[{"value": 7}, {"value": -3}]],
  "CustomEQHzValueInfo": [[{"value": 1}]],
  "CustomEQNameInfo": [{"Name": "Rock"}]})";

// Everything every reader makes of a section, as one comparable text.
std::string read_all(Json::Value section) {
    std::ostringstream out;
    const auto bytes = [&out](const auto& array) {
        for (int b : array) out << b << ' ';
        out << '|';
    };
    if (const auto light = decode_light_info(section)) bytes(light_record_bytes(*light));
    const AudioLightRecord audio = decode_audio_light_info(section);
    bytes(std::vector<int>{audio.audio_mode, audio.background_red, audio.foreground_blue,
                           audio.seven_color, audio.edits_foreground});
    for (const LightRecord& record : decode_light_list(section)) bytes(light_record_bytes(record));
    for (const KeyEntry& key : decode_key_list(section))
        out << packed_assignment(key.normal) << ',' << packed_assignment(key.fn) << ','
            << packed_assignment(key.factory) << ' ';
    bytes(decode_keyboard_system_stages(section));
    bytes(decode_mouse_system_stages(section));
    out << decode_fn_keyset_flag(section) << decode_custom_group_index(section) << '|';
    for (const KeyColor& c : read_custom_colors(section, 0, 2))
        bytes(std::vector<int>{c.red, c.green, c.blue, c.alpha});
    if (const auto dpi = decode_dpi_stages(section)) {
        out << dpi->active_stage << ':';
        for (const DpiStage& s : dpi->stages)
            bytes(std::vector<int>{s.enabled, s.separate_xy, s.dpi_x_step, s.dpi_y_step, s.blue});
    }
    for (const CorrectionSetting& c : decode_correct_info(section))
        out << c.pixel_threshold << c.min_square << c.select << c.name << '|';
    const HeadsetSettings h = decode_headset_settings(section);
    bytes(std::vector<int>{h.magic_enable, h.eq_type, h.mic_in_percent, h.mic_monitor_percent});
    for (int p = 0; p < 2; ++p) {
        bytes(*read_eq_curve(section, EqCurves::Presets, p));
        bytes(*read_eq_curve(section, EqCurves::Custom, p));
    }
    for (const std::string& name : decode_custom_eq_names(section)) out << name << '|';
    return out.str();
}

void write_all(Json::Value& section) {
    encode_light_info(section, light_record_from_bytes(std::array<uint8_t, 14>{1, 2, 3}));
    encode_audio_light_info(section, {1, 2, 3, 4, 5, 6, 7, 1, 0});
    encode_key_list(section, std::vector<KeyEntry>(2));
    encode_keyboard_system_stages(section, {1, 2, 3});
    encode_fn_keyset_flag(section, false);
    encode_custom_group_index(section, 2);
    write_custom_colors(section, 0, {{5, 6, 7, 8}});
    encode_mouse_system_stages(section, {4, 5, 6});
    encode_dpi_stage_list(section, {DpiStage{1, 0, 100, 200, 1, 2, 3}});
    encode_active_stage(section, 0);
    encode_headset_settings(section, {1, 1, 1, 1, 1, 1, 1, 1});
    write_eq_curve(section, EqCurves::Presets, 1, {1, 2, 3});
    write_eq_curve(section, EqCurves::Custom, 0, {4});
    encode_custom_eq_names(section, {"x"});
}

// Paths to every member and element of a document, as the steps to take.
struct Step {
    std::string key;  // empty: an array element
    Json::ArrayIndex index = 0;
};
void collect_paths(const Json::Value& value, std::vector<Step>& path,
                   std::vector<std::vector<Step>>& paths) {
    if (value.isObject()) {
        for (const std::string& key : value.getMemberNames()) {
            path.push_back({key});
            paths.push_back(path);
            collect_paths(value[key], path, paths);
            path.pop_back();
        }
    } else if (value.isArray()) {
        for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
            path.push_back({"", i});
            paths.push_back(path);
            collect_paths(value[i], path, paths);
            path.pop_back();
        }
    }
}

Json::Value& at(Json::Value& root, const std::vector<Step>& path) {
    Json::Value* value = &root;
    for (const Step& step : path)
        value = step.key.empty() ? &(*value)[step.index] : &(*value)[step.key];
    return *value;
}

// A value of the wrong type reads as if the document did not have it, and writers store
// over it; neither throws.
TEST(HostileDocument, AValueOfTheWrongTypeInAnyPlaceReadsAsAbsent) {
    Json::Value full = json(kFullSection);
    std::vector<std::vector<Step>> paths;
    std::vector<Step> path;
    collect_paths(full, path, paths);
    ASSERT_GE(paths.size(), 100u);
    const Json::Value wrong_values[] = {Json::Value("12"), json("[1]"), json(R"({"value": 1})")};
    for (const auto& p : paths) {
        Json::Value absent = full;
        at(absent, p) = Json::Value();  // a null element keeps the positions of the others
        if (!p.back().key.empty()) at(absent, {p.begin(), p.end() - 1}).removeMember(p.back().key);
        for (const Json::Value& wrong : wrong_values) {
            if (wrong.type() == at(full, p).type()) continue;
            Json::Value hostile = full;
            at(hostile, p) = wrong;
            std::string read;
            ASSERT_NO_THROW(read = read_all(hostile)) << styled_json(hostile);
            EXPECT_EQ(read, read_all(absent)) << styled_json(hostile);
            ASSERT_NO_THROW(write_all(hostile));
            Json::Value absent_written = absent;
            write_all(absent_written);
            EXPECT_EQ(read_all(hostile), read_all(absent_written)) << styled_json(hostile);
        }
    }
}

TEST(HostileDocument, NumbersOutsideAFieldKeepTheirLowBits) {
    const Json::Value section = json(R"({"LightInfo": {"Red": 18446744073709551615,
        "Green": 1e300, "Blue": -1, "Light": 2.9, "Speed": -9223372036854775808}})");
    const LightRecord light = *decode_light_info(section);
    EXPECT_EQ(light.red, 255);
    EXPECT_EQ(light.green, 0);
    EXPECT_EQ(light.blue, 255);
    EXPECT_EQ(light.brightness, 2);
    EXPECT_EQ(light.speed, 0);
    EXPECT_EQ(decode_headset_settings(json(R"({"SystemSetStages": {"MicInValue": 4294967297}})"))
                  .mic_in_percent,
              1);
}

TEST(HostileDocument, HugeArraysAreReadWhole) {
    Json::Value section;
    Json::Value& keys = section["KeyList"];
    for (Json::ArrayIndex i = 0; i < 70000; ++i) keys[i]["Assignment"] = static_cast<int>(i);
    const auto decoded = decode_key_list(section);
    ASSERT_EQ(decoded.size(), 70000u);
    EXPECT_EQ(packed_assignment(decoded[69999].normal), 69999);
    // The key index is a 16-bit field.
    EXPECT_EQ(decoded[65536].normal.key_index, 0);
}

class HostileFileTest : public datatest::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        profile_ = root_ / "profile.Json";
        put_file(root_ / "default.Json", std::string(R"({"Device": [)") + kFullSection + "]}");
        keyboard_.set_default_document_path(root_ / "default.Json");
        keyboard_.set_document_path(profile_);
    }
    std::filesystem::path profile_;
    CKeyboardProfiledata keyboard_;
};

TEST_F(HostileFileTest, ACutOffOrMisshapenDocumentIsReplacedByTheDefaultsAndKeptAside) {
    const std::string full_document = std::string(R"({"Device": [)") + kFullSection + "]}";
    const std::filesystem::path kept = profile_.string() + ".unreadable";
    // Texts that do not read as a document are kept; readable ones keep their other keys.
    for (const auto& [text, keeps] : std::vector<std::pair<std::string, bool>>{
             {full_document.substr(0, full_document.size() / 2), true},
             {R"([1, 2])", true},
             {R"({"Device": "x"})", false},
             {R"({"Device": [7]})", false},
             {"\xEF\xBB\xBF\xFF\xFE", true},
             {std::string(5000, '['), true}}) {
        std::filesystem::remove(kept);
        put_file(profile_, text);
        EXPECT_TRUE(keyboard_.load_section()) << text;
        EXPECT_EQ(keyboard_.read_light_info().mode, 3) << text;
        EXPECT_EQ(json(file_text(profile_))["Device"][0], json(kFullSection)) << text;
        EXPECT_EQ(file_text(kept), keeps ? text : std::string()) << text;
        EXPECT_EQ(keyboard_.take_set_aside(), keeps) << text;  // the page tells the user
    }
}

TEST_F(HostileFileTest, ASecondBreakageKeepsTheFirstCopyToo) {
    put_file(profile_, "first");
    EXPECT_TRUE(keyboard_.load_section());
    put_file(profile_, "second");
    EXPECT_TRUE(keyboard_.load_section());
    EXPECT_EQ(file_text(profile_.string() + ".unreadable"), "first");
    EXPECT_EQ(file_text(profile_.string() + ".unreadable.2"), "second");
}

TEST_F(HostileFileTest, ADocumentOverTheSizeLimitIsNeitherReadNorWritten) {
    put_file(profile_, R"({"Device": []})");
    // Sparse, so the test writes almost nothing.
    std::filesystem::resize_file(profile_, kMaxDocumentBytes + 1);
    EXPECT_TRUE(keyboard_.load_section());
    EXPECT_EQ(std::filesystem::file_size(profile_.string() + ".unreadable"), kMaxDocumentBytes + 1);
    EXPECT_EQ(json(file_text(profile_))["Device"][0], json(kFullSection));

    const std::string before = file_text(profile_);
    EXPECT_FALSE(write_file_atomically(profile_, std::string(kMaxDocumentBytes + 1, ' ')));
    EXPECT_EQ(file_text(profile_), before);
}

TEST_F(HostileFileTest, AKeyThatCannotBeWrittenDoesNotShadowTheSavedSection) {
    // Written out, "LightInfo\0x" would become a second "LightInfo" that wins on reading.
    put_file(profile_, std::string(R"({"Device": [{"LightInfo\u0000x": {"SelectItem": 9}}]})"));
    ASSERT_TRUE(keyboard_.load_section());
    LightRecord light;
    light.mode = 4;
    keyboard_.write_light_info(light);
    ASSERT_TRUE(keyboard_.save());
    CKeyboardProfiledata reloaded;
    reloaded.set_document_path(profile_);
    ASSERT_TRUE(reloaded.load_section());
    EXPECT_EQ(reloaded.read_light_info().mode, 4);
}

TEST_F(HostileFileTest, InvalidUtf8InNamesSurvivesARoundTrip) {
    put_file(profile_,
             "{\"Device\": [{\"CustomEQNameInfo\": [{\"Name\": \"\xC3\x28\xFF\"}, "
             "{\"Name\": \"\xE4\xBA\"}], \"CorrectInfo\": [{\"CorrectName\": "
             "\"\xED\xA0\x80\"}]}]}");
    CHs6533Profiledata headset;
    headset.set_document_path(profile_);
    ASSERT_TRUE(headset.load_section());
    const auto names = headset.read_custom_eq_names();
    ASSERT_EQ(names.size(), 2u);
    headset.write_custom_eq_names(names);
    ASSERT_TRUE(headset.save());
    CHs6533Profiledata reloaded;
    reloaded.set_document_path(profile_);
    ASSERT_TRUE(reloaded.load_section());
    EXPECT_EQ(reloaded.read_custom_eq_names().size(), 2u);
    EXPECT_FALSE(reloaded.read_custom_eq_names()[0].empty());
}

}  // namespace
}  // namespace ilmo::profiles
