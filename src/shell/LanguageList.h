#pragma once
// "Language.config": the languages the program offers, in the order of their index, and the
// stored choice. The list is a document, so its reading is a pure function.

#include <string>
#include <vector>

namespace Json {
class Value;
}

namespace ilmo::shell {

struct LanguageEntry {
    int id = -1;                // the number kept in the settings
    std::string name;           // the language's own name
    std::string file;           // its text file, relative to skin/
    std::string text;           // how the settings window lists it
};

// One entry per element, in order: a missing or mistyped member reads as -1 or empty, since
// the position is the index everything else uses. A document that is not an object with a
// "Language" array gives an empty list.
std::vector<LanguageEntry> parse_language_list(const Json::Value& document);
std::vector<LanguageEntry> read_language_list(const std::string& path);

// The index of the entry with `stored_id`; 0 when none has it or nothing was stored.
int language_index_for_id(const std::vector<LanguageEntry>& entries, int stored_id);

// Before the user has chosen: the entry whose name matches the desktop's language
// ("zh-CN" for "zh_CN.UTF-8", else the first with the same language, "en" for the plain C
// locale); 0 when none matches.
int language_index_for_locale(const std::vector<LanguageEntry>& entries, std::string locale);

}  // namespace ilmo::shell
