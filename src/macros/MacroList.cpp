#include "macros/MacroList.h"

#include <algorithm>
#include <utility>

#include "macros/KeyListFixUp.h"
#include "macros/MacroNames.h"
#include "profiles/JsonFile.h"
#include "profiles/Utf8.h"

namespace ilmo::macros {

using profiles::to_valid_utf8;

namespace {

bool file_exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool holds_identifier(const std::vector<MacroInfo>& macros, const std::string& guid) {
    return std::ranges::any_of(macros, [&](const MacroInfo& m) { return m.guid == guid; });
}

// Renumbers the macro bindings of every profile in `paths` after macro `macro_index` went;
// returns the profiles that needed it and could not be written.
std::vector<std::filesystem::path> renumber_profiles(
    const std::vector<std::filesystem::path>& paths, int macro_index,
    const device::TraceSink& trace) {
    std::vector<std::filesystem::path> unwritten;
    for (const auto& path : paths) {
        // A profile that cannot be read loads as its defaults, which bind no user macro.
        const Json::Value profile = profiles::read_json_file(path, trace);
        const Json::Value fixed = profile_without_macro(profile, macro_index);
        if (fixed != profile && !profiles::write_json_file(path, fixed)) unwritten.push_back(path);
    }
    return unwritten;
}

// A missing file counts as removed: a macro that was never saved has none.
bool remove_file(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
}

}  // namespace

MacroList::MacroList(std::filesystem::path profile_folder, profiles::TimestampIdSource& ids,
                     device::TraceSink trace)
    : folder_(std::move(profile_folder)), ids_(ids), trace_(std::move(trace)) {}

Json::Value MacroList::read(const std::filesystem::path& file) const {
    return profiles::read_json_file(file, trace_);
}

void MacroList::load() {
    macros_ = decode_macro_index(read(macro_index_path(folder_)));
    selected_ = -1;
}

std::vector<std::string> MacroList::names() const {
    std::vector<std::string> names;
    for (const MacroInfo& macro : macros_) names.push_back(macro.name);
    return names;
}

bool MacroList::write_index() const {
    return profiles::write_json_file(macro_index_path(folder_), encode_macro_index(macros_));
}

std::string MacroList::new_identifier() {
    // The list in memory is the index as last read or written.
    return ids_.next([&](const std::string& id) {
        return file_exists(macro_file_path(folder_, id)) || holds_identifier(macros_, id);
    });
}

bool MacroList::has_file_name(int index) const {
    return index >= 0 && static_cast<size_t>(index) < macros_.size() &&
           !macros_[index].guid.empty();
}

bool MacroList::append(MacroInfo macro) {
    macros_.push_back(std::move(macro));
    if (write_index()) return true;
    macros_.pop_back();
    return false;
}

AddOutcome MacroList::create() {
    if (macros_.size() >= kMaxMacros) return {MacroStatus::Limit, -1, {}, notice::kNewLimit};
    std::string name = new_macro_name(names());
    if (!append({name, new_identifier()}))
        return {MacroStatus::WriteFailed, -1, {}, notice::kWriteFailed};
    selected_ = static_cast<int>(macros_.size()) - 1;
    return {MacroStatus::Done, selected_, std::move(name), {}};
}

RenameOutcome MacroList::rename_selected(const std::string& text) {
    if (selected_ < 0) return {MacroStatus::NothingSelected, -1, {}, {}};
    if (text.empty()) return {MacroStatus::EmptyName, -1, "Empty", {}};
    if (is_blank(text)) return {MacroStatus::BlankName, -1, "IsEmpty", notice::kBlankName};
    const std::string name = to_valid_utf8(text);
    if (name_taken(names(), name, selected_))
        return {MacroStatus::NameTaken, selected_, {}, notice::kNameTaken};
    std::string old_name = std::exchange(macros_[selected_].name, name);
    if (!write_index()) {
        macros_[selected_].name = std::move(old_name);
        return {MacroStatus::WriteFailed, selected_, {}, notice::kWriteFailed};
    }
    return {MacroStatus::Done, selected_, name, {}};
}

MacroSelection MacroList::select(int index) {
    if (index < 0 || static_cast<size_t>(index) >= macros_.size()) {
        selected_ = -1;
        return {};
    }
    selected_ = index;
    return {index, macros_[index].name, has_file_name(index), selected_rows()};
}

std::vector<EventRow> MacroList::selected_rows() const {
    if (!has_file_name(selected_)) return {};
    return event_rows(read(macro_file_path(folder_, macros_[selected_].guid)));
}

SaveOutcome MacroList::save_selected(const std::vector<EventRow>& rows, bool quiet) {
    if (!has_file_name(selected_)) return {MacroStatus::NothingSelected, rows, {}};
    if (quiet) quiet_pending_ = true;
    const MacroInfo& macro = macros_[selected_];
    const auto file = macro_file_path(folder_, macro.guid);
    if (holds_more_events_than_loaded(read(file)))
        return {MacroStatus::TooManyEvents, rows, notice::kTooManyEvents};
    RowsSave save = macro_document_from_rows(macro.name, macro.guid, rows);
    SaveOutcome outcome{MacroStatus::Done, std::move(save.rows), {}};
    if (!profiles::write_json_file(file, save.document)) {
        outcome.status = MacroStatus::WriteFailed;
        outcome.notice_key = notice::kWriteFailed;
        return outcome;
    }
    if (rows.size() > kWarnAboveEventRows) {
        if (quiet_pending_)
            quiet_pending_ = false;
        else
            outcome.notice_key = notice::kManyEvents;
    }
    return outcome;
}

AddOutcome MacroList::import_macro(const std::filesystem::path& source) {
    if (source.empty()) return {MacroStatus::NoPath, -1, {}, {}};
    if (macros_.size() >= kMaxMacros) return {MacroStatus::Limit, -1, {}, notice::kImportLimit};
    std::string bytes;
    if (!profiles::read_file_bytes(source, bytes))
        return {MacroStatus::SourceUnreadable, -1, {}, {}};
    std::string name = imported_macro_name(to_valid_utf8(source.stem().string()), names());
    const std::string guid = new_identifier();
    const auto file = macro_file_path(folder_, guid);
    if (!profiles::write_file_atomically(file, bytes))
        return {MacroStatus::WriteFailed, -1, {}, notice::kWriteFailed};
    if (!append({name, guid})) {
        remove_file(file);
        return {MacroStatus::WriteFailed, -1, {}, notice::kWriteFailed};
    }
    selected_ = static_cast<int>(macros_.size()) - 1;
    return {MacroStatus::Done, selected_, std::move(name), {}};
}

MacroStatus MacroList::export_selected(const std::filesystem::path& destination) const {
    if (destination.empty()) return MacroStatus::NoPath;
    if (!has_file_name(selected_)) return MacroStatus::NothingSelected;
    std::string bytes;
    if (!profiles::read_file_bytes(macro_file_path(folder_, macros_[selected_].guid), bytes))
        return MacroStatus::SourceUnreadable;
    return profiles::write_file_atomically(destination, bytes) ? MacroStatus::Done
                                                               : MacroStatus::WriteFailed;
}

DeleteOutcome MacroList::delete_macro(int macro_index,
                                      const std::vector<std::filesystem::path>& other_profiles,
                                      Json::Value& current_key_list) {
    DeleteOutcome outcome;
    if (macro_index < 0 || static_cast<size_t>(macro_index) >= macros_.size()) {
        outcome.status = MacroStatus::NothingSelected;
        return outcome;
    }
    // The list goes first: when it cannot be written, the macro stays and no profile has
    // been renumbered for a list that did not change.
    const MacroInfo removed = macros_[macro_index];
    macros_.erase(macros_.begin() + macro_index);
    if (!write_index()) {
        macros_.insert(macros_.begin() + macro_index, removed);
        outcome.status = MacroStatus::WriteFailed;
        outcome.failed_files.push_back(macro_index_path(folder_));
        return outcome;
    }
    outcome.failed_files = renumber_profiles(other_profiles, macro_index, trace_);
    Json::Value fixed_current = key_list_without_macro(current_key_list, macro_index);
    outcome.current_key_list_changed = fixed_current != current_key_list;
    current_key_list = std::move(fixed_current);
    // A broken list may name one file twice; the file stays while another entry uses it.
    const auto file = macro_file_path(folder_, removed.guid);
    if (!removed.guid.empty() && !holds_identifier(macros_, removed.guid) && !remove_file(file))
        outcome.failed_files.push_back(file);

    if (!outcome.failed_files.empty()) outcome.status = MacroStatus::WriteFailed;
    selected_ = macros_.empty() ? -1 : 0;
    if (selected_ == 0) outcome.selected_name = macros_.front().name;
    outcome.selected = selected_;
    return outcome;
}

}  // namespace ilmo::macros
