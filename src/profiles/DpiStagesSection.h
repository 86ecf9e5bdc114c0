#pragma once
// The mouse's "DPIStages": the active stage and the stage list "StageDPIs". DPI values are
// slider steps kept in 16 bits, as the device record holds them.

#include <json/value.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace ilmo::profiles {

// One 9-byte stage record.
struct DpiStage {
    uint8_t enabled = 0;      // "StageActive"
    uint8_t separate_xy = 0;  // "StageXY"
    uint16_t dpi_x_step = 0;  // "StageDPIX"
    uint16_t dpi_y_step = 0;  // "StageDPIY"
    uint8_t red = 0;          // "StageColorR"
    uint8_t green = 0;        // "StageColorG"
    uint8_t blue = 0;         // "StageColorB"
    bool operator==(const DpiStage&) const = default;
};

struct DpiStagesSection {
    int active_stage = 0;
    std::vector<DpiStage> stages;  // empty when the section has no "StageDPIs"
};

// Nothing when the section has no "DPIStages" object: the caller keeps what it has.
std::optional<DpiStagesSection> decode_dpi_stages(const Json::Value& section);
// Stages the document has overwrite those at the same position, further ones are appended;
// stages the document lacks are kept (a profile with fewer stages leaves the rest as they were).
void merge_dpi_stages(std::vector<DpiStage>& stages, const std::vector<DpiStage>& decoded);

// Sets "StageDPIs"[i] for every stage given.
void encode_dpi_stage_list(Json::Value& section, const std::vector<DpiStage>& stages);
void encode_active_stage(Json::Value& section, int active_stage);

}  // namespace ilmo::profiles
