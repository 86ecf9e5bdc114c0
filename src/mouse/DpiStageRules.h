#pragma once
// What the mouse page's DPI area shows and how the user's changes reach the stage list.
// Pure functions over the profile's stage list; the page draws the views and stores the
// lists they return.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "mouse/DpiScale.h"
#include "mouse/SettingsBlock.h"
#include "profiles/DpiStagesSection.h"

namespace ilmo::mouse {

inline constexpr const char* kCurrentStageThumb = "Control/SliderBar1_Thumb.png";
inline constexpr const char* kOtherStageThumb = "Control/SliderBar2_Thumb.png";

// One row of the DPI area ("DPI_layout_" + i and its controls).
struct StageView {
    bool present = false;       // the profile has this stage; a row past the list shows nothing
    bool enabled = false;       // "DPI_enable_check_" checked; the row's layout enabled
    bool enable_check_usable = false;  // the current stage, or the last enabled one, is locked
    bool selected = false;      // "DPI_select_check_": the current stage
    int slider_step = 0;        // "DPI_slider_" (the X value)
    std::string dpi_text;       // "DPI_edit_", "%d" of the shown DPI
    std::string_view thumb = kOtherStageThumb;  // compared by its text
    uint32_t colour = 0;        // 0xFF000000 | R << 16 | G << 8 | B
    bool operator==(const StageView&) const = default;
};

std::array<StageView, kStageCount> stage_views(const std::vector<profiles::DpiStage>& stages,
                                               int current_stage, const DpiScale& scale);

// The list after the user moved stage `stage`'s slider to `step`: grown to stage + 1 entries
// (new ones all zero), its X value set, the Y value kept. Nothing changes for a stage past
// the five or a step outside 0..H.
std::vector<profiles::DpiStage> with_stage_step(std::vector<profiles::DpiStage> stages, int stage,
                                                int step, const DpiScale& scale);
// Stage `stage` switched on or off. The current stage cannot be switched off, nor the last
// enabled one: the list comes back unchanged.
std::vector<profiles::DpiStage> with_stage_enabled(std::vector<profiles::DpiStage> stages,
                                                   int stage, bool enabled, int current_stage);
// The current stage after the user chose `stage`: a stage the list has and that is enabled;
// otherwise `current_stage` stays.
int chosen_stage(const std::vector<profiles::DpiStage>& stages, int stage, int current_stage);
// Stage `stage`'s colour set from 0xRRGGBB; nothing for a stage the list lacks.
std::vector<profiles::DpiStage> with_stage_colour(std::vector<profiles::DpiStage> stages,
                                                  int stage, uint32_t rgb);

}  // namespace ilmo::mouse
