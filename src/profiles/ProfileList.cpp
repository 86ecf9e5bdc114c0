#include "profiles/ProfileList.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "device/DeviceTables.h"
#include "profiles/ProfileListDocuments.h"
#include "profiles/ProfileNames.h"
#include "profiles/Utf8.h"

namespace ilmo::profiles {

namespace {

constexpr const char* kIndexFileName = "ProfileList.ini";
constexpr const char* kDocumentExtension = ".Json";
constexpr const char* kFirstProfileName = "profile1";
// Without its folder the list would read and write relative to the working folder, which is
// wherever the program happened to start: every operation is refused instead.
constexpr ProfileResult kNoFolder{ProfileOutcome::NoFolder, -1};

}  // namespace

ProfileList::ProfileList(std::filesystem::path folder, std::filesystem::path default_document,
                         int device_kind, TimestampIdSource& identifiers, device::TraceSink trace,
                         WriteFile write_file)
    : folder_(std::move(folder)),
      default_document_(std::move(default_document)),
      device_kind_(device_kind),
      identifiers_(identifiers),
      trace_(std::move(trace)),
      write_file_(std::move(write_file)) {}

std::filesystem::path ProfileList::index_path() const {
    return folder_ / kIndexFileName;
}

std::filesystem::path ProfileList::document_file(const std::string& identifier) const {
    return folder_ / (identifier + kDocumentExtension);
}

std::filesystem::path ProfileList::document_path(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return {};
    return document_file(entries_[static_cast<size_t>(index)].identifier);
}

int ProfileList::profile_count() {
    if (!folder_ready_) return 0;
    return static_cast<int>(load_index().entries.size());
}

void ProfileList::trace(const std::string& line) const {
    if (trace_) trace_(line);
}

ProfileIndexView ProfileList::load_index() {
    ProfileIndexView view = read_profile_index(read_json_file(index_path(), trace_));
    if (view.dropped > 0) {
        trace(index_path().string() + ": left out " + std::to_string(view.dropped) +
              " entries that do not name a profile document");
    }
    entries_ = view.entries;
    return view;
}

bool ProfileList::in_range(const ProfileIndexView& view, int index) const {
    return index >= 0 && index < static_cast<int>(view.entries.size());
}

std::string ProfileList::new_identifier(const std::vector<ProfileEntry>& entries) {
    return identifiers_.next([&](const std::string& identifier) {
        std::error_code error;
        return std::filesystem::exists(document_file(identifier), error) ||
               std::any_of(entries.begin(), entries.end(), [&](const ProfileEntry& entry) {
                   return entry.identifier == identifier;
               });
    });
}

bool ProfileList::write_json(const std::filesystem::path& path, const Json::Value& document) {
    if (write_file_(path, styled_json(document))) return true;
    trace("cannot write " + path.string());
    return false;
}

bool ProfileList::write_index(const std::vector<ProfileEntry>& entries, int selected) {
    return write_json(index_path(), make_profile_index(entries, selected));
}

bool ProfileList::commit(const std::vector<ProfileEntry>& entries, int selected,
                         const std::string& identifier, const Json::Value& document) {
    std::string previous;
    const bool had_index = read_file_bytes(index_path(), previous);
    if (!write_index(entries, selected)) return false;
    if (write_json(document_file(identifier), document)) return true;
    // The entry must not outlive the failed document: put the list back as it was.
    std::error_code error;
    const bool restored = had_index ? write_file_(index_path(), previous)
                                    : std::filesystem::remove(index_path(), error);
    if (!restored) trace("cannot put back " + index_path().string());
    return false;
}

bool ProfileList::make_folder() {
    if (folder_.empty()) {
        trace("no profile folder");
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) trace("cannot create " + folder_.string() + ": " + error.message());
    return !error;
}

ProfileResult ProfileList::initialise() {
    folder_ready_ = make_folder();
    if (!folder_ready_) return kNoFolder;
    ProfileIndexView view = load_index();
    if (view.entries.empty()) {
        set_aside_unreadable(index_path(), trace_);
        const std::string identifier = new_identifier(view.entries);
        view.entries = {{kFirstProfileName, identifier}};
        view.selected = 0;
        const Json::Value document =
            with_identity(read_json_file(default_document_, trace_), kFirstProfileName, identifier);
        if (!commit(view.entries, 0, identifier, document))
            return {ProfileOutcome::WriteFailed, -1};
        entries_ = view.entries;
    }
    return select_in(view, view.selected);
}

ProfileResult ProfileList::select(int index) {
    if (!folder_ready_) return kNoFolder;
    return select_in(load_index(), index);
}

ProfileResult ProfileList::select_in(const ProfileIndexView& view, int index) {
    if (!in_range(view, index)) return {ProfileOutcome::NoSuchProfile, -1};
    selected_ = index;
    current_identifier_ = view.entries[static_cast<size_t>(index)].identifier;
    if (!write_index(view.entries, index)) return {ProfileOutcome::WriteFailed, index};
    return {ProfileOutcome::Done, index};
}

ProfileResult ProfileList::append_profile(ProfileIndexView view, const std::string& name,
                                          const Json::Value& document, bool store_as_selected) {
    const std::string identifier = new_identifier(view.entries);
    const int position = static_cast<int>(view.entries.size());
    view.entries.push_back({name, identifier});
    const int stored_selected = store_as_selected ? position : view.selected;
    if (!commit(view.entries, stored_selected, identifier,
                with_identity(document, name, identifier))) {
        return {ProfileOutcome::WriteFailed, -1};
    }
    entries_ = std::move(view.entries);
    return {ProfileOutcome::Done, position};
}

ProfileResult ProfileList::add_new() {
    if (!folder_ready_) return kNoFolder;
    ProfileIndexView view = load_index();
    if (view.entries.size() >= kMaxProfiles) return {ProfileOutcome::LimitReached, -1};
    const std::string name = next_new_profile_name(profile_names(view.entries));
    return append_profile(std::move(view), name, read_json_file(default_document_, trace_), true);
}

ProfileResult ProfileList::copy(int index) {
    if (!folder_ready_) return kNoFolder;
    ProfileIndexView view = load_index();
    if (view.entries.size() >= kMaxProfiles) return {ProfileOutcome::LimitReached, -1};
    if (!in_range(view, index)) return {ProfileOutcome::NoSuchProfile, -1};
    const ProfileEntry source = view.entries[static_cast<size_t>(index)];
    const std::string name = copy_profile_name(profile_names(view.entries), source.name);
    return append_profile(std::move(view), name,
                          read_json_file(document_file(source.identifier), trace_), false);
}

ProfileResult ProfileList::import_file(const std::filesystem::path& file) {
    if (!folder_ready_) return kNoFolder;
    const Json::Value document = read_json_file(file, trace_);
    if (!is_profile_document(document)) return {ProfileOutcome::NotAProfile, -1};
    ProfileIndexView view = load_index();
    if (view.entries.size() >= kMaxProfiles) return {ProfileOutcome::LimitReached, -1};
    // Compared as the index will store it, so that two names cannot become one on writing.
    const std::string name =
        import_profile_name(profile_names(view.entries), to_valid_utf8(file.stem().string()));
    return append_profile(std::move(view), name, document, false);
}

ProfileResult ProfileList::export_to(int index, const std::filesystem::path& file) {
    if (!folder_ready_) return kNoFolder;
    const ProfileIndexView view = load_index();
    if (!in_range(view, index)) return {ProfileOutcome::NoSuchProfile, -1};
    const Json::Value document =
        read_json_file(document_file(view.entries[static_cast<size_t>(index)].identifier), trace_);
    if (document.isNull()) return {ProfileOutcome::Unreadable, index};
    if (!write_json(file, document)) return {ProfileOutcome::WriteFailed, index};
    return {ProfileOutcome::Done, index};
}

ProfileResult ProfileList::rename(int index, const std::string& text) {
    if (!folder_ready_) return kNoFolder;
    if (text.empty()) return {ProfileOutcome::Unchanged, index};
    const std::string name = to_valid_utf8(text);
    ProfileIndexView view = load_index();
    if (!in_range(view, index)) return {ProfileOutcome::NoSuchProfile, -1};
    switch (check_rename(profile_names(view.entries), index, name)) {
        case RenameCheck::Blank:
            return {ProfileOutcome::NameBlank, index};
        case RenameCheck::Taken:
            return {ProfileOutcome::NameTaken, index};
        case RenameCheck::Accepted:
            break;
    }
    ProfileEntry& entry = view.entries[static_cast<size_t>(index)];
    entry.name = name;
    const Json::Value document =
        with_identity(read_json_file_to_rewrite(document_file(entry.identifier), trace_),
                      entry.name, entry.identifier);
    if (!commit(view.entries, view.selected, entry.identifier, document))
        return {ProfileOutcome::WriteFailed, index};
    entries_ = std::move(view.entries);
    return {ProfileOutcome::Done, index};
}

ProfileResult ProfileList::remove(int index) {
    if (!folder_ready_) return kNoFolder;
    ProfileIndexView view = load_index();
    if (view.entries.size() < 2) return {ProfileOutcome::LastProfile, -1};
    if (!in_range(view, index)) return {ProfileOutcome::NoSuchProfile, -1};
    const int next_selected = index > 0 ? index - 1 : 0;
    const std::string identifier = view.entries[static_cast<size_t>(index)].identifier;
    view.entries.erase(view.entries.begin() + index);
    if (!write_index(view.entries, next_selected)) return {ProfileOutcome::WriteFailed, -1};
    entries_ = std::move(view.entries);
    selected_ = next_selected;
    current_identifier_ = entries_[static_cast<size_t>(next_selected)].identifier;
    // The list no longer names the document, so a document that cannot be deleted is only
    // a stray file.
    std::error_code error;
    if (!std::filesystem::remove(document_file(identifier), error) && error)
        trace("cannot delete " + document_file(identifier).string() + ": " + error.message());
    return {ProfileOutcome::Done, next_selected};
}

ProfileResult ProfileList::reset(int index) {
    if (!folder_ready_) return kNoFolder;
    const ProfileIndexView view = load_index();
    if (!in_range(view, index)) return {ProfileOutcome::NoSuchProfile, -1};
    const ProfileEntry& entry = view.entries[static_cast<size_t>(index)];
    Json::Value document =
        with_identity(read_json_file(default_document_, trace_), entry.name, entry.identifier);
    // Equaliser presets are the user's own work, not settings with a default.
    if (device_kind_ == device::to_int(device::DeviceKind::Headset))
        document = with_custom_equaliser(std::move(document),
                                         read_json_file(document_file(entry.identifier), trace_));
    if (!write_json(document_file(entry.identifier), document))
        return {ProfileOutcome::WriteFailed, index};
    return {ProfileOutcome::Done, index};
}

}  // namespace ilmo::profiles
