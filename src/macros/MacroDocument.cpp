#include "macros/MacroDocument.h"

#include "profiles/JsonFile.h"
#include "profiles/SectionFields.h"
#include "profiles/Utf8.h"

namespace ilmo::macros {

using profiles::member;
using profiles::string_member;
using profiles::to_valid_utf8;

namespace {

// The "Events" elements that are objects, in order, at most `limit` of them.
std::vector<const Json::Value*> event_objects(const Json::Value& document,
                                              size_t limit = kMaxLoadedEventRows) {
    std::vector<const Json::Value*> objects;
    const Json::Value& events = member(document, "Events");
    if (!events.isArray()) return objects;
    for (const Json::Value& event : events) {
        if (objects.size() == limit) break;
        if (event.isObject()) objects.push_back(&event);
    }
    return objects;
}

Json::Value document_frame(const std::string& name, const std::string& guid) {
    Json::Value document(Json::objectValue);
    document["MacroName"] = name;
    document["Guid"] = guid;
    document["Version"] = kMacroFileVersion;
    return document;
}

}  // namespace

MacroDocument decode_macro_document(const Json::Value& document) {
    MacroDocument macro{to_valid_utf8(string_member(document, "MacroName")),
                        to_valid_utf8(string_member(document, "Guid")),
                        {}};
    for (const Json::Value* event : event_objects(document))
        macro.events.push_back(*decode_macro_event(*event));
    return macro;
}

bool holds_more_events_than_loaded(const Json::Value& document) {
    return event_objects(document, kMaxLoadedEventRows + 1).size() > kMaxLoadedEventRows;
}

Json::Value encode_macro_document(const MacroDocument& macro) {
    Json::Value document = document_frame(macro.name, macro.guid);
    for (const MacroEvent& event : macro.events)
        document["Events"].append(encode_macro_event(event, DelayForm::DecimalText));
    return document;
}

std::vector<EventRow> event_rows(const Json::Value& document) {
    std::vector<EventRow> rows;
    for (const Json::Value* event : event_objects(document)) {
        const MacroEvent read = *decode_macro_event(*event);
        rows.push_back({profiles::styled_json(encode_macro_event(read, DelayForm::DecimalText)),
                        std::to_string(read.delay_ms)});
    }
    return rows;
}

RowsSave macro_document_from_rows(const std::string& name, const std::string& guid,
                                  const std::vector<EventRow>& rows) {
    RowsSave save{document_frame(name, guid), rows};
    for (EventRow& row : save.rows) {
        row.delay_text = std::to_string(parse_delay_ms(row.delay_text));
        Json::Value event = profiles::parse_json(row.event_json);
        if (!event.isObject()) continue;
        event["Delay"] = row.delay_text;
        row.event_json = profiles::styled_json(event);
        save.document["Events"].append(std::move(event));
    }
    return save;
}

}  // namespace ilmo::macros
