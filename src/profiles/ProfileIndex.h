#pragma once
// The profile index of one device model ("ProfileList.ini", JSON despite its extension):
// the profiles in display order and which one is selected.
//
//   { "profilelist": [ { "profilename": "profile1", "profileUUID": "2024_03_07_09_05_41_007",
//                        "profileislink": 0, "profilelinkmame": "" }, ... ],
//     "profileselect": 0 }
//
// "profileislink" and "profilelinkmame" (spelled so) are always written as 0 and "" and never
// read. The identifier names the profile's document, <identifier>.Json, in the same folder.

#include <json/value.h>

#include <string>
#include <string_view>
#include <vector>

namespace ilmo::profiles {

struct ProfileEntry {
    std::string name;
    std::string identifier;
    bool operator==(const ProfileEntry&) const = default;
};

struct ProfileIndexView {
    std::vector<ProfileEntry> entries;
    int selected = 0;  // always a valid position, or 0 when there are no entries
    int dropped = 0;   // entries that were left out, see read_profile_index
};

// Reads an index document of any shape without failing. Left out are entries that are not
// objects, that have no text identifier, whose identifier is not a plain file name (it
// would let a doctored index reach files outside the profile folder) or not valid UTF-8
// (it would not survive the next write of the index), and later entries
// repeating an identifier (deleting one would take the other's document with it). An entry
// whose name is not text is shown under its identifier; names are made valid UTF-8. A
// "profileselect" that is not an integral number, is out of range or names a dropped entry
// falls back to 0; otherwise it follows its entry past the dropped ones.
ProfileIndexView read_profile_index(const Json::Value& index);

// An identifier that can stand as a file name inside the profile folder and is stored as
// it reads.
bool is_plain_identifier(std::string_view identifier);

Json::Value make_profile_entry(const ProfileEntry& entry);
Json::Value make_profile_index(const std::vector<ProfileEntry>& entries, int selected);

std::vector<std::string> profile_names(const std::vector<ProfileEntry>& entries);

}  // namespace ilmo::profiles
