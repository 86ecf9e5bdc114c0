#include "profiles/ConfigListDocuments.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

// The per-table array of `key`, when the document has one for `table`.
const Json::Value* table_list(const Json::Value& document, const char* key, size_t table) {
    const Json::Value& list = element(member(document, key), table);
    return list.isArray() ? &list : nullptr;
}

std::optional<std::vector<std::string>> light_names(const Json::Value& document, const char* key,
                                                    size_t table) {
    const Json::Value* list = table_list(document, key, table);
    if (!list) return std::nullopt;
    std::vector<std::string> names(list->size());
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = string_of(member(element(*list, i), "LightName"));
    return names;
}

// The identifier becomes a file name; one that is empty or climbs out of the folder names
// no effect file.
bool is_plain_file_name(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\", 0) == std::string::npos &&
           name.find('\0') == std::string::npos;
}

}  // namespace

std::vector<std::string> decode_macro_names(const Json::Value& macro_list) {
    const Json::Value& list = member(macro_list, "MacroInfo");
    std::vector<std::string> names(array_size(list));
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = string_of(member(element(list, i), "MacroName"));
    return names;
}

std::optional<std::vector<BuiltinMode>> decode_builtin_modes(const Json::Value& default_light,
                                                             size_t table) {
    const Json::Value* list = table_list(default_light, "DefaultLightName", table);
    if (!list) return std::nullopt;
    std::vector<BuiltinMode> modes(list->size());
    for (size_t i = 0; i < modes.size(); ++i) {
        const Json::Value& mode = element(*list, i);
        modes[i] = {string_of(member(mode, "LightName")), bool_of(member(mode, "visible")),
                    int32_of(member(mode, "value"))};
    }
    return modes;
}

std::optional<std::vector<std::string>> decode_area_names(const Json::Value& default_light,
                                                          size_t table) {
    return light_names(default_light, "AreaLightName", table);
}

std::optional<std::vector<std::string>> decode_user_effect_names(const Json::Value& light_config,
                                                                 size_t table) {
    return light_names(light_config, "LightInfo", table);
}

std::optional<std::string> user_effect_identifier(const Json::Value& light_config, size_t table,
                                                  size_t effect) {
    const Json::Value& entry = element(element(member(light_config, "LightInfo"), table), effect);
    std::string identifier = string_of(member(entry, "Guid"));
    if (!is_plain_file_name(identifier)) return std::nullopt;
    return identifier;
}

std::vector<EffectStep> decode_effect_steps(const Json::Value& effect_file) {
    const Json::Value& list = member(effect_file, "LEDEffectList");
    std::vector<EffectStep> steps(array_size(list));
    for (size_t i = 0; i < steps.size(); ++i) {
        const Json::Value& step = element(list, i);
        steps[i] = {byte_of(member(step, "LEDREGMode")),    byte_of(member(step, "LEDBrightness")),
                    byte_of(member(step, "LEDSpeed")),      byte_of(member(step, "LEDDirection")),
                    byte_of(member(step, "LEDMultiColor")), byte_of(member(step, "red")),
                    byte_of(member(step, "green")),         byte_of(member(step, "blue")),
                    int32_of(member(step, "Time")),         int32_of(member(step, "Cyle"))};
    }
    return steps;
}

}  // namespace ilmo::profiles
