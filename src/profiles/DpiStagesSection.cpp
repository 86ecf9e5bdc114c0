#include "profiles/DpiStagesSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

std::optional<DpiStagesSection> decode_dpi_stages(const Json::Value& section) {
    const Json::Value& dpi = member(section, "DPIStages");
    if (!dpi.isObject()) return std::nullopt;
    DpiStagesSection decoded;
    decoded.active_stage = int32_of(member(dpi, "StageActive"));
    const Json::Value& list = member(dpi, "StageDPIs");
    decoded.stages.resize(array_size(list));
    for (size_t i = 0; i < decoded.stages.size(); ++i) {
        const Json::Value& stage = element(list, i);
        DpiStage& record = decoded.stages[i];
        record.enabled = byte_of(member(stage, "StageActive"));
        record.separate_xy = byte_of(member(stage, "StageXY"));
        record.dpi_x_step = u16_of(member(stage, "StageDPIX"));
        record.dpi_y_step = u16_of(member(stage, "StageDPIY"));
        record.red = byte_of(member(stage, "StageColorR"));
        record.green = byte_of(member(stage, "StageColorG"));
        record.blue = byte_of(member(stage, "StageColorB"));
    }
    return decoded;
}

void merge_dpi_stages(std::vector<DpiStage>& stages, const std::vector<DpiStage>& decoded) {
    for (size_t i = 0; i < decoded.size(); ++i) {
        if (i < stages.size())
            stages[i] = decoded[i];
        else
            stages.push_back(decoded[i]);
    }
}

void encode_dpi_stage_list(Json::Value& section, const std::vector<DpiStage>& stages) {
    Json::Value& list = array_member(object_member(section, "DPIStages"), "StageDPIs");
    for (size_t i = 0; i < stages.size(); ++i) {
        Json::Value& stage = object_element(list, i);
        stage["StageActive"] = stages[i].enabled;
        stage["StageXY"] = stages[i].separate_xy;
        stage["StageDPIX"] = stages[i].dpi_x_step;
        stage["StageDPIY"] = stages[i].dpi_y_step;
        stage["StageColorR"] = stages[i].red;
        stage["StageColorG"] = stages[i].green;
        stage["StageColorB"] = stages[i].blue;
    }
}

void encode_active_stage(Json::Value& section, int active_stage) {
    object_member(section, "DPIStages")["StageActive"] = active_stage;
}

}  // namespace ilmo::profiles
