#pragma once
// The lighting settings the keyboard and the mouse-pad share on the command line: what
// "set" takes, the mode by number or name, and how a read shows them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Reading.h"
#include "SettingValues.h"
#include "device/LightingTypes.h"
#include "profiles/ConfigListDocuments.h"

namespace ilmo::ctl {

// Keyboards number their modes by the mode list entries' values (the mode byte); the pad by
// the entries' places in its list, its values being codes only the pad knows.
enum class ModeNumbering { ByValue, ByIndex };

struct LightingChange {
    std::optional<std::string> mode;  // as given: the mode list decides when the command runs
    std::optional<int> brightness;
    std::optional<int> speed;
    std::optional<int> direction;
    std::optional<device::Rgb> colour;
    std::optional<bool> colourful;

    bool any() const;
};

// Takes "mode", "brightness", "speed", "direction" (only `with_direction`), "colour" or
// "colourful" with its value.
SettingTake take_lighting_setting(LightingChange& change, std::string_view name,
                                  std::string_view value, bool with_direction);
// The values a lighting setting takes, for a usage error; empty for other names.
std::string_view lighting_values(std::string_view name);
// What "set" takes on a device with a direction and settings of its own beside the lighting:
// the lighting settings into `lighting`, any other name by `own`.
SettingSyntax lighting_syntax_with(LightingChange& lighting, SettingSyntax own);

struct LightingResult {
    device::LightRecord light;
    std::string error;  // "no mode X" when the mode list has no such mode; empty otherwise
};

// `current` with the change made. The mode is a number or an entry's "LightName" (case
// ignored), and only the modes the page offers (visible entries) are taken.
LightingResult changed_lighting(const device::LightRecord& current, const LightingChange& change,
                                const std::vector<profiles::BuiltinMode>& modes,
                                ModeNumbering numbering);

// mode, mode-name, brightness, speed, direction (only `with_direction`), colour, colourful.
void add_lighting_fields(FieldGroup& group, const device::LightRecord& light,
                         const std::vector<profiles::BuiltinMode>& modes, ModeNumbering numbering,
                         bool with_direction);

// The offered modes: mode and name, and by index also the code the device knows it by.
Table mode_table(const std::vector<profiles::BuiltinMode>& modes, ModeNumbering numbering);

}  // namespace ilmo::ctl
