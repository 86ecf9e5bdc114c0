#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/SystemStagesSection.h"

namespace ilmo::profiles {
namespace {

using datatest::json;

TEST(SystemStagesSection, KeyboardValuesAreTheHalvesOfThreeWords) {
    const SystemWords words = decode_keyboard_system_stages(json(R"({"SystemStages": {
        "Repeat": 3, "RepeatDelay": 2, "Key6Flag": 1, "PollingRate": 70000, "WFlag": 0,
        "WinFlag": 1}})"));
    EXPECT_EQ(words, (SystemWords{0x00020003, 0x11700001, 0x00010000}));

    Json::Value section;
    encode_keyboard_system_stages(section, {0x00050004, 0x00030001, 0xFFFF0000});
    EXPECT_EQ(section["SystemStages"], json(R"({"Repeat": 4, "RepeatDelay": 5, "Key6Flag": 1,
        "PollingRate": 3, "WFlag": 0, "WinFlag": 65535})"));
    EXPECT_EQ(decode_keyboard_system_stages(Json::Value()), SystemWords{});
}

TEST(SystemStagesSection, FnKeysetFlagIsAJsonBoolean) {
    Json::Value section;
    encode_fn_keyset_flag(section, true);
    EXPECT_TRUE(section["FnKeysetFlag"].isBool());
    EXPECT_TRUE(decode_fn_keyset_flag(section));
    encode_fn_keyset_flag(section, false);
    EXPECT_TRUE(section["FnKeysetFlag"].isBool());
    EXPECT_FALSE(decode_fn_keyset_flag(section));
    EXPECT_TRUE(decode_fn_keyset_flag(json(R"({"FnKeysetFlag": 1})")));
}

TEST(SystemStagesSection, MousePointerSettingsUseTheStoredSpellingsAndCarryTheReportRate) {
    const SystemWords words = decode_mouse_system_stages(json(R"({
        "SystemStages": {"DoubleClickTime": 500, "MouseSpeed": 10, "PointerPrecision": 1,
                         "ScorllPage": 2, "WheelScorlllinse": 3, "ScrollPage": 99},
        "ReportStages": {"StageActive": 3}})"));
    EXPECT_EQ(words, (SystemWords{500 | 10 << 16, 1 | 2 << 16, 3 | 3 << 16}));

    // Without pointer settings the report rate is not read either.
    EXPECT_EQ(decode_mouse_system_stages(json(R"({"ReportStages": {"StageActive": 3}})")),
              SystemWords{});

    Json::Value section;
    encode_mouse_system_stages(section, {0, 0, join_halves(7, 3)});
    EXPECT_EQ(section, json(R"({"ReportStages": {"StageActive": 3}, "SystemStages": {
        "DoubleClickTime": 0, "MouseSpeed": 0, "PointerPrecision": 0, "ScorllPage": 0,
        "WheelScorlllinse": 7}})"));
}

}  // namespace
}  // namespace ilmo::profiles
