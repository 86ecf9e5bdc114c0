#pragma once
// The configuration files a device page builds its lists from: the macro list ("macro.config"
// or "pelko_macro.config"), the built-in lighting modes and areas ("default_light.json"), the
// user's lighting effects ("pelko_light.config") and one effect's steps (identifier + ".light").
// All are indexed by lighting table where they hold per-table arrays.

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ilmo::profiles {

struct BuiltinMode {
    std::string name;  // "LightName": display text or language key
    bool visible = false;
    int value = 0;  // the mode code sent to the device
    bool operator==(const BuiltinMode&) const = default;
};

// One step of a user lighting effect.
struct EffectStep {
    uint8_t mode = 0;  // "LEDREGMode"
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multicolor = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    int time = 0;   // "Time", in the effect player's own count
    int cycle = 0;  // "Cyle" (spelled so in the file)
    bool operator==(const EffectStep&) const = default;
};

// "MacroInfo"[i]."MacroName" in order; empty when there is no list.
std::vector<std::string> decode_macro_names(const Json::Value& macro_list);

// Nothing when the document has no array for `table`: the caller's lists then stay as they are.
std::optional<std::vector<BuiltinMode>> decode_builtin_modes(const Json::Value& default_light,
                                                             size_t table);
std::optional<std::vector<std::string>> decode_area_names(const Json::Value& default_light,
                                                          size_t table);
std::optional<std::vector<std::string>> decode_user_effect_names(const Json::Value& light_config,
                                                                 size_t table);

// "LightInfo"[table][effect]."Guid": the name of the effect's file without ".light". Nothing
// when there is no such effect, or its identifier could name a file outside the folder.
std::optional<std::string> user_effect_identifier(const Json::Value& light_config, size_t table,
                                                  size_t effect);

// One step per "LEDEffectList" element.
std::vector<EffectStep> decode_effect_steps(const Json::Value& effect_file);

}  // namespace ilmo::profiles
