#include <gtest/gtest.h>

#include <array>

#include "ProfiledataFixture.h"
#include "profiles/LightSection.h"

namespace ilmo::profiles {
namespace {

using datatest::json;

TEST(LightSection, LightInfoFillsItsBytesInOrderAndCutsValuesToOneByte) {
    const Json::Value section = json(R"({"LightInfo": {"SelectItem": 3, "Light": 4, "Speed": 2,
        "Fx": 1, "MultiColor": 1, "Red": 300, "Green": -1, "Blue": 16, "ZZCCLedMode": 7,
        "CustomGroup": 2, "OldLedmode": 5}})");
    const auto record = decode_light_info(section);
    ASSERT_TRUE(record);
    const std::array<uint8_t, kLightRecordBytes> expected{3,  4, 2, 1, 1, 44, 255,
                                                          16, 0, 0, 0, 7, 2,  5};
    EXPECT_EQ(light_record_bytes(*record), expected);
    EXPECT_EQ(light_record_from_bytes(expected), *record);
}

TEST(LightSection, MultiColorIsStoredAsAnIntegerAndReadAsAFlag) {
    LightRecord record;
    record.multicolor = 1;
    record.effect_step = 8;
    record.present = 1;
    record.old_mode = 9;
    Json::Value section;
    encode_light_info(section, record);
    EXPECT_TRUE(section["LightInfo"]["MultiColor"].isInt());
    // Bytes 8-10 are nobody's to store.
    EXPECT_EQ(section["LightInfo"].size(), 11u);
    const LightRecord read = *decode_light_info(section);
    EXPECT_EQ(read.multicolor, 1);
    EXPECT_EQ(read.effect_step, 0);
    EXPECT_EQ(read.present, 0);
    EXPECT_EQ(read.old_mode, 9);

    EXPECT_EQ(decode_light_info(json(R"({"LightInfo": {"MultiColor": true}})"))->multicolor, 1);
    EXPECT_EQ(decode_light_info(json(R"({"LightInfo": {"MultiColor": 7}})"))->multicolor, 1);
}

TEST(LightSection, AudioLightFlagsAreReadAsBooleansAndWrittenAsZeroOrOne) {
    const AudioLightRecord read = decode_audio_light_info(json(R"({"AudioLightInfo": {
        "AudioMode": 2, "BkColorR": 1, "BkColorG": 2, "BkColorB": 3, "FgColorR": 4,
        "FgColorG": 5, "FgColorB": 6, "7ColorFlags": true, "ColorTypeFlags": 0}})"));
    EXPECT_EQ(read, (AudioLightRecord{2, 1, 2, 3, 4, 5, 6, 1, 0}));
    EXPECT_EQ(decode_audio_light_info(json(R"({"Other": 1})")), AudioLightRecord{});

    Json::Value section;
    encode_audio_light_info(section, {6, 0, 0, 0, 0, 0, 0, 5, 1});
    EXPECT_TRUE(section["AudioLightInfo"]["7ColorFlags"].isInt());
    EXPECT_EQ(section["AudioLightInfo"]["7ColorFlags"].asInt(), 1);
    EXPECT_EQ(section["AudioLightInfo"]["ColorTypeFlags"].asInt(), 1);
    EXPECT_EQ(section["AudioLightInfo"]["AudioMode"].asInt(), 6);
}

TEST(LightSection, LightListEntriesUseLowerCaseColoursAndANullEntryIsAbsent) {
    const auto list = decode_light_list(json(R"({"LightList": [
        {"LEDREGMode": 1, "LEDBrightness": 4, "LEDSpeed": 2, "LEDDirection": 1,
         "LEDMultiColor": 0, "red": 255, "green": 128, "blue": 0},
        null,
        {"Red": 9}]})"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(light_record_bytes(list[0]), (std::array<uint8_t, kLightRecordBytes>{
                                               1, 4, 2, 1, 0, 255, 128, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(list[1], LightRecord{});
    EXPECT_EQ(list[1].present, 0);
    EXPECT_EQ(list[2].red, 0);
    EXPECT_EQ(list[2].present, 1);
    EXPECT_TRUE(decode_light_list(json(R"({"LightList": {"0": {}}})")).empty());
}

TEST(LightSection, ProfileLightingReachesTheControllerAndKeepsTheRunningEffect) {
    LightRecord record;
    record.mode = 7;
    record.red = 10;
    record.effect_step = 1;
    device::LightRecord running;
    running.effect_step = 99;
    running.blink_phase = 5;
    const device::LightRecord state = device::with_running_effect(record, running);
    EXPECT_EQ(state.mode, 7);
    EXPECT_EQ(state.red, 10);
    EXPECT_EQ(state.effect_step, 99);
    EXPECT_EQ(state.blink_phase, 5);
}

}  // namespace
}  // namespace ilmo::profiles
