#pragma once
// The macro index "macro.config": {"MacroInfo": [{"MacroName", "Guid"}, ...]} in list order.
// A macro's position in the array is the number key assignments use for it, so entries are
// never dropped or reordered on reading, however broken they are.

#include <json/value.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ilmo::macros {

struct MacroInfo {
    std::string name;
    std::string guid;  // also the macro file's name without ".mac"; empty when unusable

    bool operator==(const MacroInfo&) const = default;
};

std::filesystem::path macro_index_path(const std::filesystem::path& profile_folder);
std::filesystem::path macro_file_path(const std::filesystem::path& profile_folder,
                                      const std::string& guid);

// An identifier names a file inside the profile folder: not empty, no folder separators or
// NUL, not "." or "..". Anything else would let a crafted index read, overwrite or delete
// files elsewhere. It must also be valid UTF-8: the JSON writer would store other bytes as
// U+FFFD, and the rewritten index would no longer name the macro's file.
bool is_usable_identifier(std::string_view guid);

// One entry per array element. A non-object element, or a member of the wrong type, reads as
// an empty name or identifier; names are made valid UTF-8; unusable identifiers read as
// empty. A document without a "MacroInfo" array is an empty list.
std::vector<MacroInfo> decode_macro_index(const Json::Value& document);
// The stored index. Nothing else is kept from an older file: the index holds nothing else,
// and foreign member names could even collide with "MacroInfo" once written (the writer
// cuts names at a NUL).
Json::Value encode_macro_index(const std::vector<MacroInfo>& macros);

}  // namespace ilmo::macros
