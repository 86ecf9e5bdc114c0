#include "macros/MacroNames.h"

#include "profiles/ProfileNamesFold.h"

#include <algorithm>

namespace ilmo::macros {

bool name_taken(const std::vector<std::string>& names, std::string_view name, int skip_index) {
    for (size_t i = 0; i < names.size(); ++i) {
        // Macro names follow the same rule as profile names, in every script.
        if (static_cast<int>(i) != skip_index && profiles::same_name(names[i], name)) return true;
    }
    return false;
}

std::string new_macro_name(const std::vector<std::string>& names) {
    int n = 1;
    std::string name = "macro_1";
    while (name_taken(names, name)) name = "macro_" + std::to_string(++n);
    return name;
}

std::string imported_macro_name(std::string base, const std::vector<std::string>& names) {
    for (int n = 1; name_taken(names, base); ++n) base += "_" + std::to_string(n);
    return base;
}

bool is_blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

}  // namespace ilmo::macros
