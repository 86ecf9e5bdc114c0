#include "LanguageList.h"

#include <json/json.h>

#include <fstream>

namespace ilmo::shell {

namespace {

int int_member(const Json::Value& item, const char* key) {
    const Json::Value& v = item[key];
    return v.isInt() ? v.asInt() : -1;
}

std::string string_member(const Json::Value& item, const char* key) {
    const Json::Value& v = item[key];
    return v.isString() ? v.asString() : std::string();
}

}  // namespace

std::vector<LanguageEntry> parse_language_list(const Json::Value& document) {
    std::vector<LanguageEntry> entries;
    if (!document.isObject() || !document["Language"].isArray()) return entries;
    for (const Json::Value& item : document["Language"]) {
        // A damaged element keeps its place, so the indices of the others do not move.
        if (!item.isObject()) {
            entries.push_back({-1, {}, {}, {}});
            continue;
        }
        entries.push_back({int_member(item, "Language_ID"), string_member(item, "Language_name"),
                           string_member(item, "Language_file"),
                           string_member(item, "Language_text")});
    }
    return entries;
}

std::vector<LanguageEntry> read_language_list(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    Json::Value document;
    Json::CharReaderBuilder builder;
    std::string errors;
    if (!file || !Json::parseFromStream(builder, file, &document, &errors)) return {};
    return parse_language_list(document);
}

int language_index_for_id(const std::vector<LanguageEntry>& entries, int stored_id) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].id == stored_id) return static_cast<int>(i);
    return 0;
}

}  // namespace ilmo::shell
