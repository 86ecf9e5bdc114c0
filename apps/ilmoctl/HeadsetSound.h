#pragma once
// The headset's sound settings on the command line: what "set" takes for the equaliser,
// the microphone, monitoring and the voice changer, and the values they take.

#include <optional>
#include <string_view>

#include "SettingValues.h"

namespace ilmo::ctl {

struct HeadsetSoundChange {
    std::optional<int> equaliser;  // 1-12 a preset, 13 the selected custom curve
    std::optional<bool> microphone;
    std::optional<int> microphone_level;
    std::optional<bool> monitoring;
    std::optional<int> monitoring_level;
    std::optional<bool> voice_changer;
    std::optional<int> voice_effect;  // 1-based, as the page numbers its effects

    bool any() const;
};

// Takes "eq", "mic", "mic-level", "monitor", "monitor-level", "voice" or "voice-effect".
SettingTake take_sound_setting(HeadsetSoundChange& change, std::string_view name,
                               std::string_view value);
// The values a sound setting takes, for a usage error; empty for other names.
std::string_view sound_setting_values(std::string_view name);

}  // namespace ilmo::ctl
