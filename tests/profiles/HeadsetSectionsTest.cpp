#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/EqualizerSection.h"
#include "profiles/HeadsetSettingsSection.h"

namespace ilmo::profiles {
namespace {

using datatest::json;

TEST(HeadsetSettingsSection, EightValuesInTheirOrder) {
    const HeadsetSettings read = decode_headset_settings(json(R"({"SystemSetStages": {
        "MagicEnable": 1, "MagicType": 2, "EqType": 13, "CustomEqSeletIndex": 4,
        "MicInSelect": 1, "MicInValue": 55, "MicMoniterSelect": 0, "MicMoniterValue": 30}})"));
    EXPECT_EQ(read, (HeadsetSettings{1, 2, 13, 4, 1, 55, 0, 30}));
    EXPECT_EQ(decode_headset_settings(Json::Value()), HeadsetSettings{});

    Json::Value section;
    encode_headset_settings(section, {0, 3, 5, 0, 1, 100, 1, 7});
    EXPECT_EQ(section["SystemSetStages"]["MicMoniterValue"].asInt(), 7);
    EXPECT_EQ(section["SystemSetStages"]["EqType"].asInt(), 5);
    EXPECT_EQ(decode_headset_settings(section), (HeadsetSettings{0, 3, 5, 0, 1, 100, 1, 7}));
}

TEST(EqualizerSection, PresetsAboveThirteenAreNoneOfTheDocuments) {
    Json::Value section = json(R"({"Other": 1})");
    const Json::Value before = section;
    EXPECT_FALSE(read_eq_curve(section, EqCurves::Presets, 14));
    EXPECT_FALSE(read_eq_curve(section, EqCurves::Custom, -1));
    EXPECT_FALSE(read_eq_curve(section, EqCurves::Custom, 20));
    EXPECT_FALSE(write_eq_curve(section, EqCurves::Presets, 14, EqBands{}));
    EXPECT_EQ(section, before);
}

TEST(EqualizerSection, MissingBandsReadAsZeroAndAreCreated) {
    Json::Value section = json(R"({"EQHzValueInfo": [null, [{"value": 7}, {"value": -3}]]})");
    EXPECT_EQ(read_eq_curve(section, EqCurves::Presets, 3), EqBands{});
    ASSERT_EQ(section["EQHzValueInfo"][3].size(), 10u);
    EXPECT_EQ(section["EQHzValueInfo"][3][9]["value"].asInt(), 0);

    EXPECT_EQ(read_eq_curve(section, EqCurves::Presets, 1),
              (EqBands{7, -3, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(section["EQHzValueInfo"][1].size(), 10u);
    EXPECT_FALSE(section.isMember("CustomEQHzValueInfo"));
}

TEST(EqualizerSection, UserCurvesAndTheirNamesAreKeptApartFromThePresets) {
    Json::Value section;
    const EqBands curve{7, 11, 2, -3, -1, 4, 9, 12, 9, 5};
    // Twenty user curves, where the presets stop at 13.
    ASSERT_TRUE(write_eq_curve(section, EqCurves::Custom, 19, curve));
    EXPECT_EQ(read_eq_curve(section, EqCurves::Custom, 19), curve);
    EXPECT_FALSE(section.isMember("EQHzValueInfo"));
    encode_custom_eq_curves(section, {curve, EqBands{}});
    EXPECT_EQ(section["CustomEQHzValueInfo"].size(), 2u);
    EXPECT_EQ(read_eq_curve(section, EqCurves::Custom, 0), curve);

    encode_custom_eq_names(section, {"Rock", "人声", "Bass"});
    EXPECT_EQ(decode_custom_eq_names(section), (std::vector<std::string>{"Rock", "人声", "Bass"}));
    // A deleted curve's name must not come back from the longer list stored before.
    encode_custom_eq_names(section, {"Rock"});
    EXPECT_EQ(decode_custom_eq_names(section), std::vector<std::string>{"Rock"});
    EXPECT_EQ(decode_custom_eq_names(json(R"({"CustomEQNameInfo": [{"Name": 1}, "x"]})")),
              (std::vector<std::string>{"", ""}));
}

}  // namespace
}  // namespace ilmo::profiles
