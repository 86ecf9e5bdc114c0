#pragma once
// The macros of one device model, kept in its profile folder and shared by all its profiles:
// the list in "macro.config" and one identifier + ".mac" file per macro. The macro editor
// panel drives it; the model keeps the list and the selection, the panel the rows.

#include <json/value.h>

#include <filesystem>
#include <string>
#include <vector>

#include "device/Trace.h"
#include "macros/MacroIndex.h"
#include "macros/MacroOutcome.h"
#include "profiles/TimestampId.h"

namespace ilmo::macros {

class MacroList {
public:
    // The device page's limit: key assignments reach at most this many macros.
    static constexpr size_t kMaxMacros = 50;

    // `ids` makes the identifiers; it outlives the list. `trace` hears why a file did not read.
    MacroList(std::filesystem::path profile_folder, profiles::TimestampIdSource& ids,
              device::TraceSink trace = {});

    // Reads "macro.config"; a missing or broken file is an empty list. Clears the selection.
    void load();
    const std::vector<MacroInfo>& macros() const { return macros_; }
    std::vector<std::string> names() const;
    int selected() const { return selected_; }

    // A macro named "macro_n" with a new identifier, added to "macro.config" and selected.
    // No macro file exists until the first save.
    AddOutcome create();
    // Renames the selected macro in "macro.config" (its file keeps the old name until the
    // next save).
    RenameOutcome rename_selected(const std::string& text);
    // Selects macro `index` (out of range: nothing) and loads its events.
    MacroSelection select(int index);
    // The selected macro's events as stored: a missing or broken file has none.
    std::vector<EventRow> selected_rows() const;
    // Writes the selected macro's file from the editor's rows. `quiet` silences the next
    // warning about a long macro, however many saves later it comes. TooManyEvents, and the
    // file stays whole, when it holds more events than the editor loads.
    SaveOutcome save_selected(const std::vector<EventRow>& rows, bool quiet);
    // Adds the file at `source` as a new macro named after it and selects it; the bytes are
    // copied as they are, without checking that they are a macro.
    AddOutcome import_macro(const std::filesystem::path& source);
    // Copies the selected macro's file to `destination` as it is.
    MacroStatus export_selected(const std::filesystem::path& destination) const;

    // Deletes macro `macro_index` and renumbers the key bindings of the later ones. The
    // caller asks first whether the current profile may lose its bindings (`uses_macro` on
    // its key list); once this runs, every profile is changed. `other_profiles` are the
    // documents of the device's other profiles; `current_key_list` is the current profile's
    // "KeyList", fixed in place for the caller to store and write to the device.
    DeleteOutcome delete_macro(int macro_index,
                               const std::vector<std::filesystem::path>& other_profiles,
                               Json::Value& current_key_list);

private:
    bool write_index() const;
    std::string new_identifier();
    bool has_file_name(int index) const;
    // Appends a macro and writes the list; on failure the list is left as it was.
    bool append(MacroInfo macro);
    Json::Value read(const std::filesystem::path& file) const;

    std::filesystem::path folder_;
    profiles::TimestampIdSource& ids_;
    device::TraceSink trace_;
    std::vector<MacroInfo> macros_;
    int selected_ = -1;
    bool quiet_pending_ = false;
};

}  // namespace ilmo::macros
