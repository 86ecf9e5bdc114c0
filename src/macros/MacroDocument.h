#pragma once
// A macro file (identifier + ".mac"): {"MacroName", "Guid", "Events": [event...],
// "Version": 64}, delays as decimal text. The editor holds each event as one row: the
// event object as styled JSON text, and the delay cell the user edits.

#include <json/value.h>

#include <string>
#include <vector>

#include "macros/MacroEvent.h"

namespace ilmo::macros {

inline constexpr int kMacroFileVersion = 64;
// Recording and hand insertion stop at 250 rows; a save above 249 warns. Files may hold
// more (imported ones); past this many only the first are shown, so that a broken or
// hostile file cannot make the editor build millions of rows. Such a file is never saved
// from the editor, which would cut it to what it shows.
inline constexpr size_t kWarnAboveEventRows = 249;
inline constexpr size_t kMaxLoadedEventRows = 10000;

struct MacroDocument {
    std::string name;
    std::string guid;
    std::vector<MacroEvent> events;

    bool operator==(const MacroDocument&) const = default;
};

// Members of the wrong type read as empty and text is made valid UTF-8; "Events" elements
// that are not objects are left out; at most kMaxLoadedEventRows events are read.
MacroDocument decode_macro_document(const Json::Value& document);
// The stored form: delays as text, "Version" 64, and no "Events" member when there are none.
Json::Value encode_macro_document(const MacroDocument& macro);

struct EventRow {
    std::string event_json;  // the event object, styled JSON text
    std::string delay_text;  // the delay cell

    bool operator==(const EventRow&) const = default;
};

// Whether the document holds more events than the editor loads.
bool holds_more_events_than_loaded(const Json::Value& document);

// One row per "Events" element that is an object (at most kMaxLoadedEventRows), in order.
// The row holds the event as decode_macro_event reads it, with exactly the four members, so
// that members of other names (which the JSON writer may even merge, e.g. names with a NUL)
// or of the wrong type do not travel on into the next save.
std::vector<EventRow> event_rows(const Json::Value& document);

struct RowsSave {
    Json::Value document;        // the macro file to write
    std::vector<EventRow> rows;  // the rows as they read after the save
};

// Rebuilds a macro file from the editor's rows. Each delay cell is read as a delay (an empty
// cell as "0") and shown again as plain decimal text; the row's event gets that text as its
// "Delay" and its text is re-serialised. A row whose text is not a JSON object is left out
// of the file (nothing takes its place); its text stays in the editor unchanged.
RowsSave macro_document_from_rows(const std::string& name, const std::string& guid,
                                  const std::vector<EventRow>& rows);

}  // namespace ilmo::macros
