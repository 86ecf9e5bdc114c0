#include "KeyboardOptions.h"

#include "SettingValues.h"

namespace ilmo::ctl {

namespace {

constexpr int kLastStep = 3;
// The page's repeat rate slider runs from 0 to 31.
constexpr int kLastRepeatRate = 31;

constexpr SettingHelp kOptions[] = {
    {"six-key", "on or off"},   {"w-key", "on or off"},        {"win-lock", "on or off"},
    {"polling-rate", "0-3"},    {"repeat-rate", "0-31"},       {"repeat-delay", "0-3"},
};

uint16_t word_of(bool on) {
    return on ? 1 : 0;
}

}  // namespace

bool OptionsChange::any() const {
    return six_key || w_key || win_lock || polling_rate || repeat_rate || repeat_delay;
}

std::string_view option_values(std::string_view name) {
    return values_of(kOptions, name);
}

SettingTake take_option_setting(OptionsChange& change, std::string_view name,
                                std::string_view value) {
    if (name == "six-key") return taken_if(bool(change.six_key = parse_switch(value)));
    if (name == "w-key") return taken_if(bool(change.w_key = parse_switch(value)));
    if (name == "win-lock") return taken_if(bool(change.win_lock = parse_switch(value)));
    if (name == "polling-rate")
        return taken_if(bool(change.polling_rate = parse_number(value, 0, kLastStep)));
    if (name == "repeat-rate")
        return taken_if(bool(change.repeat_rate = parse_number(value, 0, kLastRepeatRate)));
    if (name == "repeat-delay")
        return taken_if(bool(change.repeat_delay = parse_number(value, 0, kLastStep)));
    return SettingTake::NotThisKind;
}

keyboard::SystemOptions apply_options_change(keyboard::SystemOptions options,
                                             const OptionsChange& change) {
    if (change.six_key) options.six_key = word_of(*change.six_key);
    if (change.w_key) options.w_key = word_of(*change.w_key);
    if (change.win_lock) options.win_lock = word_of(*change.win_lock);
    if (change.polling_rate) options.polling_rate = static_cast<uint16_t>(*change.polling_rate);
    if (change.repeat_rate) options.repeat = static_cast<uint16_t>(*change.repeat_rate);
    if (change.repeat_delay) options.repeat_delay = static_cast<uint16_t>(*change.repeat_delay);
    return options;
}

void add_device_option_fields(FieldGroup& group, const keyboard::SystemOptions& options) {
    group.add("six-key", options.six_key != 0)
        .add("w-key", options.w_key != 0)
        .add("win-lock", options.win_lock != 0)
        .add("polling-rate", static_cast<int>(options.polling_rate));
}

void add_repeat_fields(FieldGroup& group, const keyboard::SystemOptions& options) {
    group.add("repeat-rate", static_cast<int>(options.repeat))
        .add("repeat-delay", static_cast<int>(options.repeat_delay));
}

}  // namespace ilmo::ctl
