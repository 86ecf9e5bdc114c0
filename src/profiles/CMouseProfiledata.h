#pragma once
// Profile data of a mouse: DPI stages, pointer settings with the polling rate, and the
// sensor correction list on top of the common sections.

#include <vector>

#include "profiles/CBasicProfiledata.h"
#include "profiles/CorrectInfoSection.h"
#include "profiles/DpiStagesSection.h"
#include "profiles/SystemStagesSection.h"

namespace ilmo::profiles {

class CMouseProfiledata : public CBasicProfiledata {
public:
    // Merges the section's stages into the stage list (see merge_dpi_stages); without a
    // "DPIStages" section the list and the active stage stay as they are.
    const std::vector<DpiStage>& read_dpi_stages();
    void write_dpi_stages(const std::vector<DpiStage>& stages);
    // Empties the stage list in memory (the document keeps its stages): a profile read next
    // then has exactly its own stages, not those of the profile before it.
    void forget_dpi_stages() { dpi_stages_.clear(); }
    void write_active_stage(int active_stage);
    const std::vector<DpiStage>& dpi_stages() const { return dpi_stages_; }
    int active_stage() const { return active_stage_; }

    // "SystemStages" and "ReportStages" (see SystemStagesSection.h).
    const SystemWords& read_system_stages();
    void write_system_stages(const SystemWords& words);
    const SystemWords& system_words() const { return system_words_; }

    std::vector<CorrectionSetting> read_correct_info() const;

private:
    std::vector<DpiStage> dpi_stages_;
    int active_stage_ = 0;
    SystemWords system_words_{};
};

}  // namespace ilmo::profiles
