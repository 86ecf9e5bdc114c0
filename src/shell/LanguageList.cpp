#include "shell/LanguageList.h"

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

int language_index_for_locale(const std::vector<LanguageEntry>& entries, std::string locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") locale = "en";
    for (char& c : locale)
        if (c == '_') c = '-';
    const std::string language = locale.substr(0, locale.find('-'));
    int same_language = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].name;
        if (name == locale) return static_cast<int>(i);
        if (same_language < 0 && name.substr(0, name.find('-')) == language)
            same_language = static_cast<int>(i);
    }
    return same_language >= 0 ? same_language : 0;
}

int language_index_for_id(const std::vector<LanguageEntry>& entries, int stored_id) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].id == stored_id) return static_cast<int>(i);
    return 0;
}

}  // namespace ilmo::shell
