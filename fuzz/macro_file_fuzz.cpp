// Macro files are imported from anywhere and read as they are. Reading any bytes into the
// editor's rows and saving those rows must neither crash nor change an event: every row is
// saved as it was read, a file the editor may save loses none of its events, and a second
// load and save changes nothing at all.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "macros/MacroDocument.h"
#include "profiles/JsonFile.h"

using namespace ilmo::macros;

namespace {

size_t object_events(const Json::Value& file) {
    size_t count = 0;
    if (file.isObject() && file["Events"].isArray())
        for (const Json::Value& event : file["Events"]) count += event.isObject() ? 1 : 0;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Json::Value file =
        ilmo::profiles::parse_json(std::string(reinterpret_cast<const char*>(data), size));
    const MacroDocument read = decode_macro_document(file);
    const std::vector<EventRow> rows = event_rows(file);
    if (rows.size() != read.events.size() || rows.size() > kMaxLoadedEventRows) std::abort();

    const RowsSave first = macro_document_from_rows(read.name, read.guid, rows);
    const MacroDocument saved = decode_macro_document(first.document);
    if (saved.events != read.events) std::abort();
    if (!holds_more_events_than_loaded(file) && saved.events.size() != object_events(file))
        std::abort();

    const RowsSave second =
        macro_document_from_rows(saved.name, saved.guid, event_rows(first.document));
    if (second.document != first.document || second.rows != first.rows) std::abort();
    return 0;
}
