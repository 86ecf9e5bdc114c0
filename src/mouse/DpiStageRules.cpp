#include "mouse/DpiStageRules.h"

#include <algorithm>
#include <string>

namespace ilmo::mouse {

namespace {

using profiles::DpiStage;

// Only the first five stages reach the mouse and the page.
size_t stages_shown(const std::vector<DpiStage>& stages) {
    return std::min(stages.size(), kStageCount);
}

bool shown_stage(const std::vector<DpiStage>& stages, int stage) {
    return stage >= 0 && static_cast<size_t>(stage) < stages_shown(stages);
}

size_t enabled_count(const std::vector<DpiStage>& stages) {
    return static_cast<size_t>(std::count_if(stages.begin(), stages.begin() + stages_shown(stages),
                                             [](const DpiStage& s) { return s.enabled != 0; }));
}

uint32_t argb_of(const DpiStage& stage) {
    return 0xFF000000u | static_cast<uint32_t>(stage.red) << 16 |
           static_cast<uint32_t>(stage.green) << 8 | stage.blue;
}

// The mouse needs at least one enabled stage and always runs the current one, so neither
// may be switched off.
bool may_switch_off(const std::vector<DpiStage>& stages, int stage, int current_stage) {
    const bool last_enabled =
        stages[static_cast<size_t>(stage)].enabled != 0 && enabled_count(stages) == 1;
    return stage != current_stage && !last_enabled;
}

}  // namespace

std::array<StageView, kStageCount> stage_views(const std::vector<DpiStage>& stages,
                                               int current_stage, const DpiScale& scale) {
    std::array<StageView, kStageCount> views{};
    for (size_t i = 0; i < stages_shown(stages); ++i) {
        const DpiStage& stage = stages[i];
        const int index = static_cast<int>(i);
        StageView& view = views[i];
        view.present = true;
        view.enabled = stage.enabled != 0;
        view.enable_check_usable = may_switch_off(stages, index, current_stage);
        view.selected = index == current_stage;
        view.slider_step = stage.dpi_x_step;
        view.dpi_text = std::to_string(shown_dpi(scale, stage.dpi_x_step));
        view.thumb = view.selected ? kCurrentStageThumb : kOtherStageThumb;
        view.colour = argb_of(stage);
    }
    return views;
}

std::vector<DpiStage> with_stage_step(std::vector<DpiStage> stages, int stage, int step,
                                      const DpiScale& scale) {
    if (stage < 0 || static_cast<size_t>(stage) >= kStageCount) return stages;
    if (step < 0 || step > scale.highest_step) return stages;
    if (stages.size() <= static_cast<size_t>(stage)) stages.resize(static_cast<size_t>(stage) + 1);
    stages[static_cast<size_t>(stage)].dpi_x_step = static_cast<uint16_t>(step);
    return stages;
}

std::vector<DpiStage> with_stage_enabled(std::vector<DpiStage> stages, int stage, bool enabled,
                                         int current_stage) {
    if (!shown_stage(stages, stage)) return stages;
    if (!enabled && !may_switch_off(stages, stage, current_stage)) return stages;
    stages[static_cast<size_t>(stage)].enabled = enabled ? 1 : 0;
    return stages;
}

int chosen_stage(const std::vector<DpiStage>& stages, int stage, int current_stage) {
    if (!shown_stage(stages, stage) || stages[static_cast<size_t>(stage)].enabled == 0)
        return current_stage;
    return stage;
}

std::vector<DpiStage> with_stage_colour(std::vector<DpiStage> stages, int stage, uint32_t rgb) {
    if (!shown_stage(stages, stage)) return stages;
    DpiStage& changed = stages[static_cast<size_t>(stage)];
    changed.red = static_cast<uint8_t>(rgb >> 16);
    changed.green = static_cast<uint8_t>(rgb >> 8);
    changed.blue = static_cast<uint8_t>(rgb);
    return stages;
}

}  // namespace ilmo::mouse
