#pragma once
// What the macro list's operations report to the panel that drives them. A notice key is a
// language key the panel shows in its message box; it is empty when nothing is to be shown.

#include <json/value.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroDocument.h"
#include "profiles/ProfileListOutcome.h"

namespace ilmo::macros {

namespace notice {
inline constexpr std::string_view kNewLimit = "message_text_17_1";
inline constexpr std::string_view kImportLimit = "message_text_30";
inline constexpr std::string_view kManyEvents = "message_text_17";
inline constexpr std::string_view kBlankName = "message_text_25";
inline constexpr std::string_view kNameTaken = "message_text_5";
// Asked before deleting a macro that a key of the current profile uses.
inline constexpr std::string_view kDeleteUsedMacro = "message_text_2";
inline constexpr std::string_view kWriteFailed = profiles::kWriteFailedNotice;
// The macro's file holds more events than the editor shows; saving would cut it.
inline constexpr std::string_view kTooManyEvents = "message_text_macro_too_long";
}  // namespace notice

enum class MacroStatus {
    Done,
    NothingSelected,   // the operation needs a selected macro that has a file name
    NoPath,            // an empty path from the file dialog
    Limit,             // the list already holds the most macros a device model can have
    EmptyName,         // rename to "" (index -1, text "Empty")
    BlankName,         // rename to blanks only (index -1, text "IsEmpty")
    NameTaken,         // rename to another macro's name (selected index, text "")
    SourceUnreadable,  // the file to import or export cannot be read
    TooManyEvents,     // a save would cut a macro file to the events the editor holds
    WriteFailed,       // a file could not be written or removed; see the outcome for which
};

// New and Import.
struct AddOutcome {
    MacroStatus status = MacroStatus::Done;
    int index = -1;    // the new macro's list position, selected; -1 when none was added
    std::string name;  // empty when none was added
    std::string_view notice_key;
};

// The index and text are what the key assignment panel is told about the change.
struct RenameOutcome {
    MacroStatus status = MacroStatus::Done;
    int index = -1;
    std::string text;
    std::string_view notice_key;
};

struct MacroSelection {
    int index = -1;  // -1: nothing selected; the panel shows a single space as the name
    std::string name;
    bool has_file_name = false;  // the editing controls are enabled only then
    std::vector<EventRow> rows;
};

struct SaveOutcome {
    MacroStatus status = MacroStatus::Done;
    std::vector<EventRow> rows;  // the rows as the editor shows them after the save
    std::string_view notice_key;
};

struct DeleteOutcome {
    MacroStatus status = MacroStatus::Done;
    // Files that could not be written or removed. When "macro.config" itself cannot be
    // written nothing else is touched and the macro stays.
    std::vector<std::filesystem::path> failed_files;
    bool current_key_list_changed = false;  // then store it and write it to the device
    int selected = -1;                      // the first remaining macro, -1 when none is left
    std::string selected_name;
};

}  // namespace ilmo::macros
