#pragma once
// The lists a device page offers from its configuration files: macro names, built-in lighting
// modes, lighting areas and the user's lighting effects. Built when the page is built and
// rebuilt after a macro is created or renamed.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceTables.h"
#include "profiles/ConfigListDocuments.h"

namespace ilmo::profiles {

// Keyboards and mice share the macro list the macro editor writes; the mouse-pad and the
// headset read a list of their own that nothing in this program writes.
std::string_view macro_list_file_name(device::ControllerKind kind);

class ConfigLists {
public:
    struct Sources {
        std::filesystem::path profile_folder;       // macro list, "pelko_light.config"
        std::filesystem::path default_data_folder;  // "default_light.json"
        std::string macro_file_name;                // see macro_list_file_name()
        size_t light_table = 0;                     // the page's lighting table
    };

    explicit ConfigLists(Sources sources);

    // Macro names are cleared first, so a missing macro list leaves none. The other lists are
    // replaced only by a file that has an entry for the page's table.
    void load();

    const std::vector<std::string>& macro_names() const { return macro_names_; }
    const std::vector<BuiltinMode>& modes() const { return modes_; }
    const std::vector<std::string>& area_names() const { return area_names_; }
    const std::vector<std::string>& effect_names() const { return effect_names_; }

private:
    Sources sources_;
    std::vector<std::string> macro_names_;
    std::vector<BuiltinMode> modes_;
    std::vector<std::string> area_names_;
    std::vector<std::string> effect_names_;
};

}  // namespace ilmo::profiles
