// "Language.config" is read at every start: any bytes must give a list (maybe empty), never
// a crash, and the stored-choice lookups must stay in range.

#include <json/reader.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "shell/LanguageList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value document;
    std::string errors;
    try {
        if (!reader->parse(text, text + size, &document, &errors)) return 0;
    } catch (const std::exception&) {
        return 0;  // the file reader maps the parser's own limits to a null document
    }
    const auto entries = ilmo::shell::parse_language_list(document);
    const int by_id = ilmo::shell::language_index_for_id(entries, size > 0 ? data[0] : 0);
    const int by_locale =
        ilmo::shell::language_index_for_locale(entries, std::string(text, size < 16 ? size : 16));
    if (by_id < 0 || (by_id > 0 && static_cast<size_t>(by_id) >= entries.size())) __builtin_trap();
    if (by_locale < 0 || (by_locale > 0 && static_cast<size_t>(by_locale) >= entries.size()))
        __builtin_trap();
    return 0;
}
