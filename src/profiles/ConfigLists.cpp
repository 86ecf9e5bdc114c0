#include "profiles/ConfigLists.h"

#include <utility>

#include "profiles/JsonFile.h"

namespace ilmo::profiles {

std::string_view macro_list_file_name(device::ControllerKind kind) {
    switch (kind) {
        case device::ControllerKind::Keyboard:
        case device::ControllerKind::Mouse:
            return "macro.config";
        default:
            return "pelko_macro.config";
    }
}

ConfigLists::ConfigLists(Sources sources) : sources_(std::move(sources)) {}

void ConfigLists::load() {
    macro_names_ =
        decode_macro_names(read_json_file(sources_.profile_folder / sources_.macro_file_name));

    const Json::Value default_light =
        read_json_file(sources_.default_data_folder / "default_light.json");
    if (auto modes = decode_builtin_modes(default_light, sources_.light_table))
        modes_ = std::move(*modes);
    if (auto areas = decode_area_names(default_light, sources_.light_table))
        area_names_ = std::move(*areas);

    const Json::Value light_config = read_json_file(sources_.profile_folder / "pelko_light.config");
    if (auto effects = decode_user_effect_names(light_config, sources_.light_table))
        effect_names_ = std::move(*effects);
}

}  // namespace ilmo::profiles
