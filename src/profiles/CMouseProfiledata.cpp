#include "profiles/CMouseProfiledata.h"

namespace ilmo::profiles {

const std::vector<DpiStage>& CMouseProfiledata::read_dpi_stages() {
    if (const auto decoded = decode_dpi_stages(section())) {
        active_stage_ = decoded->active_stage;
        merge_dpi_stages(dpi_stages_, decoded->stages);
    }
    return dpi_stages_;
}

void CMouseProfiledata::write_dpi_stages(const std::vector<DpiStage>& stages) {
    dpi_stages_ = stages;
    encode_dpi_stage_list(current_section(), stages);
}

void CMouseProfiledata::write_active_stage(int active_stage) {
    active_stage_ = active_stage;
    encode_active_stage(current_section(), active_stage);
}

const SystemWords& CMouseProfiledata::read_system_stages() {
    system_words_ = decode_mouse_system_stages(section());
    return system_words_;
}

void CMouseProfiledata::write_system_stages(const SystemWords& words) {
    system_words_ = words;
    encode_mouse_system_stages(current_section(), words);
}

std::vector<CorrectionSetting> CMouseProfiledata::read_correct_info() const {
    return decode_correct_info(section());
}

}  // namespace ilmo::profiles
