#pragma once
// Profile data of the headset: its audio settings and equaliser curves on top of the common
// lighting sections.

#include <optional>
#include <string>
#include <vector>

#include "profiles/CBasicProfiledata.h"
#include "profiles/EqualizerSection.h"
#include "profiles/HeadsetSettingsSection.h"

namespace ilmo::profiles {

class CHs6533Profiledata : public CBasicProfiledata {
public:
    // "SystemSetStages"; the writer also keeps the values.
    const HeadsetSettings& read_settings();
    void write_settings(const HeadsetSettings& settings);
    const HeadsetSettings& settings() const { return settings_; }

    // Preset p of "EQHzValueInfo" / "CustomEQHzValueInfo", p 0-13 (see EqualizerSection.h).
    std::optional<EqBands> read_eq_preset(int preset);
    bool write_eq_preset(int preset, const EqBands& bands);
    std::optional<EqBands> read_custom_eq_preset(int preset);
    bool write_custom_eq_preset(int preset, const EqBands& bands);
    // The user's curves become exactly these.
    void write_custom_eq_curves(const std::vector<EqBands>& curves);

    std::vector<std::string> read_custom_eq_names() const;
    void write_custom_eq_names(const std::vector<std::string>& names);

private:
    HeadsetSettings settings_;
};

}  // namespace ilmo::profiles
