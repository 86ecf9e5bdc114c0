#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/CorrectInfoSection.h"
#include "profiles/DpiStagesSection.h"

namespace ilmo::profiles {
namespace {

using datatest::json;

TEST(DpiStagesSection, StagesKeepTheirDpiInSixteenBitsAndAreWrittenWhole) {
    Json::Value section = json(R"({"DPIStages": {"StageActive": 2,
        "StageDPIs": [{"StageActive": 1, "StageXY": 1, "StageDPIX": 12800, "StageDPIY": 70000,
                       "StageColorR": 255, "StageColorG": 16, "StageColorB": 256}, {}, {}]}})");
    const auto decoded = decode_dpi_stages(section);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->active_stage, 2);
    ASSERT_EQ(decoded->stages.size(), 3u);
    EXPECT_EQ(decoded->stages[0], (DpiStage{1, 1, 12800, 4464, 255, 16, 0}));
    EXPECT_FALSE(decode_dpi_stages(json(R"({"Other": 1})")));

    encode_dpi_stage_list(section, {{0, 0, 400, 500, 1, 2, 3}});
    encode_active_stage(section, 1);
    const Json::Value& dpi = section["DPIStages"];
    EXPECT_EQ(dpi["StageActive"].asInt(), 1);
    EXPECT_EQ(dpi["StageDPIs"].size(), 3u);
    EXPECT_EQ(dpi["StageDPIs"][0].size(), 7u);
    EXPECT_EQ(decode_dpi_stages(section)->stages[0], (DpiStage{0, 0, 400, 500, 1, 2, 3}));
}

TEST(CorrectInfoSection, EveryEntryIsOneSetting) {
    const auto settings = decode_correct_info(json(R"({"CorrectInfo": [
        {"CorrectPixThresh": 3, "CorrectMinSq": 40, "CorrectSelect": 1, "CorrectName": "A"},
        {"CorrectName": 5}]})"));
    ASSERT_EQ(settings.size(), 2u);
    EXPECT_EQ(settings[0], (CorrectionSetting{3, 40, 1, "A"}));
    EXPECT_EQ(settings[1], CorrectionSetting{});
}

}  // namespace
}  // namespace ilmo::profiles
