#pragma once
// What an operation on the profile list did. The list never shows anything itself: the
// panel asks its confirmations before it calls, and shows the notice an outcome names.

#include <string_view>

namespace ilmo::profiles {

enum class ProfileOutcome {
    Done,
    Unchanged,      // nothing to do: a rename to an empty text
    LimitReached,   // the list already holds the most profiles a device keeps
    NotAProfile,    // an import file that does not read as a profile document
    NameTaken,      // a rename to the name of another profile, ignoring case
    NameBlank,      // a rename to white space only
    NoSuchProfile,  // a position outside the list
    LastProfile,    // the last profile cannot be deleted
    Unreadable,     // an export whose profile document cannot be read
    WriteFailed,    // a file could not be written; the files are as they were before
    NoFolder,       // the profile folder could not be made: nothing is read or written
};

struct ProfileResult {
    ProfileOutcome outcome = ProfileOutcome::Done;
    // The position the operation leaves meaningful: the new profile after add, copy and
    // import, the new selection after delete, the profile acted on otherwise; -1 when none.
    int index = -1;

    bool done() const { return outcome == ProfileOutcome::Done; }
};

// Shown whenever a document could not be written, by every panel that writes one.
inline constexpr std::string_view kWriteFailedNotice = "message_text_write_failed";
// Shown when a profile document did not read and was kept aside before the defaults replaced it.
inline constexpr std::string_view kSetAsideNotice = "message_text_profile_set_aside";

// The language key of the notice the panel shows for an outcome; empty for none.
std::string_view notice_key(ProfileOutcome outcome);

}  // namespace ilmo::profiles
