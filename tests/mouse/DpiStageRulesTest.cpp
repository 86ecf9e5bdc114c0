#include <gtest/gtest.h>

#include "mouse/DpiStageRules.h"

namespace ilmo::mouse {
namespace {

using profiles::DpiStage;

const DpiScale kScale{100, 50, 100, false};

std::vector<DpiStage> three_stages() {
    return {{1, 0, 10, 11, 0x12, 0x34, 0x56}, {0, 0, 20, 21, 0, 0, 0}, {1, 0, 30, 31, 0, 0, 0}};
}

TEST(DpiStageRules, ViewsShowStepsDpiColourAndLockTheCurrentAndLastEnabledStage) {
    const auto views = stage_views(three_stages(), 2, kScale);
    EXPECT_EQ(views[0],
              (StageView{true, true, true, false, 10, "600", kOtherStageThumb, 0xFF123456}));
    EXPECT_FALSE(views[1].enabled);
    EXPECT_TRUE(views[1].enable_check_usable);
    EXPECT_EQ(views[2].dpi_text, "1600");
    EXPECT_TRUE(views[2].selected);
    EXPECT_FALSE(views[2].enable_check_usable);
    EXPECT_EQ(views[2].thumb, kCurrentStageThumb);
    EXPECT_EQ(views[3], StageView{});

    // Stage 2 switched off (stage 0 current): stage 0 is the last enabled one.
    const auto off = with_stage_enabled(three_stages(), 2, false, 0);
    EXPECT_EQ(off[2].enabled, 0);
    const auto locked = stage_views(off, 0, kScale);
    EXPECT_FALSE(locked[0].enable_check_usable);
    EXPECT_TRUE(locked[2].enable_check_usable);
}

TEST(DpiStageRules, ChangesKeepTheCurrentAndLastStageAndGrowTheList) {
    const auto stages = three_stages();
    EXPECT_EQ(with_stage_enabled(stages, 2, false, 2), stages);  // the current one
    const auto one_left = with_stage_enabled(stages, 2, false, 0);
    EXPECT_EQ(with_stage_enabled(one_left, 0, false, 1), one_left);  // the last enabled one
    EXPECT_EQ(with_stage_enabled(stages, 1, true, 0)[1].enabled, 1);
    EXPECT_EQ(with_stage_enabled(stages, 3, true, 0), stages);

    EXPECT_EQ(chosen_stage(stages, 2, 0), 2);
    EXPECT_EQ(chosen_stage(stages, 1, 0), 0);  // switched off
    EXPECT_EQ(chosen_stage(stages, 3, 0), 0);  // not in the list

    const auto grown = with_stage_step(stages, 4, 60, kScale);
    ASSERT_EQ(grown.size(), 5u);
    EXPECT_EQ(grown[3], DpiStage{});
    EXPECT_EQ(grown[4], (DpiStage{0, 0, 60, 0, 0, 0, 0}));
    EXPECT_EQ(with_stage_step(stages, 0, 99, kScale)[0],
              (DpiStage{1, 0, 99, 11, 0x12, 0x34, 0x56}));
    EXPECT_EQ(with_stage_step(stages, 0, 101, kScale), stages);
    EXPECT_EQ(with_stage_step(stages, 5, 1, kScale), stages);

    EXPECT_EQ(with_stage_colour(stages, 1, 0xABCDEF)[1],
              (DpiStage{0, 0, 20, 21, 0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(with_stage_colour(stages, 3, 0xABCDEF), stages);
}

}  // namespace
}  // namespace ilmo::mouse
