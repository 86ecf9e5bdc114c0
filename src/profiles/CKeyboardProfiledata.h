#pragma once
// Profile data of a keyboard (and of the mouse-pad, which uses only the lighting sections):
// system settings, the Fn edit flag and the per-key custom colours on top of the common ones.

#include <cstddef>
#include <vector>

#include "profiles/CBasicProfiledata.h"
#include "profiles/CustomLightSection.h"
#include "profiles/SystemStagesSection.h"

namespace ilmo::profiles {

class CKeyboardProfiledata : public CBasicProfiledata {
public:
    // "SystemStages": repeat rate and delay, six-key mode, polling rate, W-key and Windows-key
    // lock, as three words of two halves (see SystemStagesSection.h).
    const SystemWords& read_system_stages();
    void write_system_stages(const SystemWords& words);
    const SystemWords& system_words() const { return system_words_; }

    bool read_fn_keyset_flag() const;
    void write_fn_keyset_flag(bool editing_fn_layer);

    // Colours of custom group `group` for `key_count` keys; keys the group lacks are created
    // in the section as zeros.
    const std::vector<KeyColor>& read_custom_colors(size_t group, size_t key_count);
    void write_custom_colors(size_t group, const std::vector<KeyColor>& colors);
    const std::vector<KeyColor>& custom_colors() const { return custom_colors_; }

    int read_custom_group_index() const;
    void write_custom_group_index(int group_index);

private:
    SystemWords system_words_{};
    std::vector<KeyColor> custom_colors_;
};

}  // namespace ilmo::profiles
