#pragma once
// The profiles of one device model: the index "ProfileList.ini" in the model's profile
// folder and one document per profile beside it, <identifier>.Json. The profile panel drives
// it; every operation does its work and returns what happened, and the panel shows the
// notice the outcome names (confirmations are asked before the call).
//
// Every operation that changes the list reads the index from disk again (another page of the
// same model may have changed it), changes it and writes it back before it writes a profile
// document. Writes are atomic. When a document cannot be written after its index change
// was, the previous index is put back, so the list never names a profile whose document was
// never written; the outcome is then WriteFailed and the files are as they were.

#include <json/value.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "device/Trace.h"
#include "profiles/JsonFile.h"
#include "profiles/ProfileIndex.h"
#include "profiles/ProfileListOutcome.h"
#include "profiles/TimestampId.h"

namespace ilmo::profiles {

class ProfileList {
public:
    // The drop-down list of the panel holds no more than this.
    static constexpr int kMaxProfiles = 50;

    // Writes a whole file or nothing; false when it could not. Tests substitute it to make
    // writes fail.
    using WriteFile = std::function<bool(const std::filesystem::path&, const std::string& bytes)>;

    // `folder`: the model's profile folder; `default_document`: the model's default profile
    // shipped with the program; `device_kind`: the kind code of the device (7, the headset,
    // keeps its own equaliser presets on reset).
    ProfileList(std::filesystem::path folder, std::filesystem::path default_document,
                int device_kind, TimestampIdSource& identifiers, device::TraceSink trace = {},
                WriteFile write_file = write_file_atomically);

    // Creates the folder, reads the index and selects the stored profile. An index that is
    // missing, unreadable or lists no usable profile is replaced by one holding "profile1",
    // whose document is the default document; a replaced non-empty index file is kept
    // beside it as "ProfileList.ini.unreadable". NoFolder when the folder is not given or
    // cannot be made; every other operation then answers NoFolder too and touches no file.
    ProfileResult initialise();
    bool folder_ready() const { return folder_ready_; }

    // The list as last read from or written to disk.
    const std::vector<ProfileEntry>& entries() const { return entries_; }
    // The profile in use; -1 before a successful initialise.
    int selected() const { return selected_; }
    const std::string& current_identifier() const { return current_identifier_; }
    int device_kind() const { return device_kind_; }

    std::filesystem::path index_path() const;
    // <folder>/<identifier>.Json of profile `index` as last read; empty when there is none.
    std::filesystem::path document_path(int index) const;
    // Reads the index again and counts its profiles, for walks over every document.
    int profile_count();

    // Makes profile `index` the one in use and stores the choice. WriteFailed means the
    // choice is in use but will not be remembered.
    ProfileResult select(int index);
    // A "profile%d" profile from the default document. The index stores it as the selected
    // profile for the next start; the profile in use stays as it is.
    ProfileResult add_new();
    // "<name> copy" with a copy of profile `index`'s document; the stored selection stays.
    ProfileResult copy(int index);
    // A profile named after the file (not the name inside it) with the file's content; the
    // stored selection stays. NotAProfile when the file does not read as a profile document.
    ProfileResult import_file(const std::filesystem::path& file);
    ProfileResult export_to(int index, const std::filesystem::path& file);
    // Unchanged for an empty name; NameBlank, NameTaken as check_rename decides. A document
    // that does not read is kept as "<file>.unreadable" before the renamed one replaces it.
    ProfileResult rename(int index, const std::string& name);
    // Deletes profile `index` and its document; the profile before it (or the first) is
    // selected. LastProfile when only one is left.
    ProfileResult remove(int index);
    // Replaces profile `index`'s document with the default document.
    ProfileResult reset(int index);

private:
    ProfileIndexView load_index();
    ProfileResult select_in(const ProfileIndexView& view, int index);
    bool in_range(const ProfileIndexView& view, int index) const;
    std::filesystem::path document_file(const std::string& identifier) const;
    std::string new_identifier(const std::vector<ProfileEntry>& entries);
    bool write_json(const std::filesystem::path& path, const Json::Value& document);
    bool write_index(const std::vector<ProfileEntry>& entries, int selected);
    bool commit(const std::vector<ProfileEntry>& entries, int selected,
                const std::string& identifier, const Json::Value& document);
    ProfileResult append_profile(ProfileIndexView view, const std::string& name,
                                 const Json::Value& document, bool store_as_selected);
    bool make_folder();
    void trace(const std::string& line) const;

    std::filesystem::path folder_;
    std::filesystem::path default_document_;
    int device_kind_;
    TimestampIdSource& identifiers_;
    device::TraceSink trace_;
    WriteFile write_file_;

    std::vector<ProfileEntry> entries_;
    int selected_ = -1;
    std::string current_identifier_;
    bool folder_ready_ = false;
};

}  // namespace ilmo::profiles
