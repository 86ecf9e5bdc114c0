#pragma once
// The keyboard's music lighting on the command line ("AudioLightInfo" of the profile): the
// visualiser, its two colours and the colour-wheel switch. The keyboard shows it in its
// music mode, whose frames the program makes from captured sound.

#include <optional>
#include <string_view>

#include "Reading.h"
#include "SettingValues.h"
#include "profiles/LightSection.h"

namespace ilmo::ctl {

struct AudioLightChange {
    std::optional<int> mode;
    std::optional<device::Rgb> background;
    std::optional<device::Rgb> foreground;
    std::optional<bool> wheel;

    bool any() const;
};

// Takes "audio-mode", "audio-background", "audio-foreground" or "audio-wheel".
SettingTake take_audio_light_setting(AudioLightChange& change, std::string_view name,
                                     std::string_view value);
// The values a music lighting setting takes, for a usage error; empty for other names.
std::string_view audio_light_values(std::string_view name);

profiles::AudioLightRecord apply_audio_light_change(profiles::AudioLightRecord record,
                                                    const AudioLightChange& change);

// audio-mode, audio-background, audio-foreground, audio-wheel.
void add_audio_light_fields(FieldGroup& group, const profiles::AudioLightRecord& record);

}  // namespace ilmo::ctl
