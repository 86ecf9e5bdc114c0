#pragma once
// The keyboard's system options on the command line: what "set" takes and how a read shows
// them. Six-key, W-key, Windows-key lock and the polling rate ride in the keyboard's settings
// record; the repeat rate and delay live in the profile only.

#include <optional>
#include <string_view>

#include "LightingSettings.h"
#include "Reading.h"
#include "keyboard/SystemOptions.h"

namespace ilmo::ctl {

struct OptionsChange {
    std::optional<bool> six_key;
    std::optional<bool> w_key;
    std::optional<bool> win_lock;
    std::optional<int> polling_rate;
    std::optional<int> repeat_rate;
    std::optional<int> repeat_delay;

    bool any() const;
};

// Takes "six-key", "w-key", "win-lock", "polling-rate", "repeat-rate" or "repeat-delay".
SettingTake take_option_setting(OptionsChange& change, std::string_view name,
                                std::string_view value);
// The values an option takes, for a usage error; empty for other names.
std::string_view option_values(std::string_view name);

keyboard::SystemOptions apply_options_change(keyboard::SystemOptions options,
                                             const OptionsChange& change);

// six-key, w-key, win-lock, polling-rate: what the keyboard reports.
void add_device_option_fields(FieldGroup& group, const keyboard::SystemOptions& options);
// repeat-rate, repeat-delay: what only the profile holds.
void add_repeat_fields(FieldGroup& group, const keyboard::SystemOptions& options);

}  // namespace ilmo::ctl
