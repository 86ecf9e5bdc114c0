#pragma once
// The values settings take on the command line, and how reads print them back.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/LightingTypes.h"

namespace ilmo::ctl {

// "#RRGGBB" or "RRGGBB" (a shell takes an unquoted word starting with '#' as a comment),
// hexadecimal digits of either case.
std::optional<device::Rgb> parse_colour(std::string_view text);
// "#rrggbb"
std::string format_colour(device::Rgb colour);

// A decimal number from `lowest` to `highest`; nothing for anything else.
std::optional<int> parse_number(std::string_view text, int lowest, int highest);
// The same with an optional leading '-'.
std::optional<int> parse_signed_number(std::string_view text, int lowest, int highest);

// "on" or "off" (also "1" and "0").
std::optional<bool> parse_switch(std::string_view text);
std::string_view format_switch(bool on);

// What a setting parser made of one "NAME VALUE" pair.
enum class SettingTake { NotThisKind, Taken, BadValue };

struct SettingSyntax {
    // Takes the pair, or says it is not one of its settings or the value is wrong.
    std::function<SettingTake(std::string_view name, std::string_view value)> take;
    // The values a setting takes, for the message about a wrong one.
    std::function<std::string_view(std::string_view name)> values;
};

// Taken when the value read, else a bad value.
inline SettingTake taken_if(bool value_read) {
    return value_read ? SettingTake::Taken : SettingTake::BadValue;
}

// A setting's name and the values it takes, as a usage error states them.
struct SettingHelp {
    std::string_view name;
    std::string_view values;
};
// The values of setting `name` in `settings`; empty when it is not there.
std::string_view values_of(std::span<const SettingHelp> settings, std::string_view name);

// The words of "set" as NAME VALUE pairs, each taken by `syntax`; the usage error of the
// first that is not, empty when all are.
std::string take_setting_pairs(std::span<const std::string> words, const SettingSyntax& syntax);

// Text compared without regard to ASCII case.
bool same_text(std::string_view a, std::string_view b);

}  // namespace ilmo::ctl
