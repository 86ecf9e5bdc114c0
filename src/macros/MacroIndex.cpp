#include "macros/MacroIndex.h"

#include "profiles/SectionFields.h"
#include "profiles/Utf8.h"

namespace ilmo::macros {

using profiles::member;
using profiles::string_member;
using profiles::to_valid_utf8;

std::filesystem::path macro_index_path(const std::filesystem::path& profile_folder) {
    return profile_folder / "macro.config";
}

std::filesystem::path macro_file_path(const std::filesystem::path& profile_folder,
                                      const std::string& guid) {
    return profile_folder / (guid + ".mac");
}

bool is_usable_identifier(std::string_view guid) {
    return !guid.empty() && guid != "." && guid != ".." &&
           guid.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           profiles::is_valid_utf8(guid);
}

std::vector<MacroInfo> decode_macro_index(const Json::Value& document) {
    const Json::Value& entries = member(document, "MacroInfo");
    std::vector<MacroInfo> macros;
    if (!entries.isArray()) return macros;
    macros.reserve(entries.size());
    for (const Json::Value& entry : entries) {
        std::string guid = string_member(entry, "Guid");
        if (!is_usable_identifier(guid)) guid.clear();
        macros.push_back({to_valid_utf8(string_member(entry, "MacroName")), std::move(guid)});
    }
    return macros;
}

Json::Value encode_macro_index(const std::vector<MacroInfo>& macros) {
    Json::Value entries(Json::arrayValue);
    for (const MacroInfo& macro : macros) {
        Json::Value entry(Json::objectValue);
        entry["MacroName"] = macro.name;
        entry["Guid"] = macro.guid;
        entries.append(std::move(entry));
    }
    Json::Value document(Json::objectValue);
    document["MacroInfo"] = std::move(entries);
    return document;
}

}  // namespace ilmo::macros
