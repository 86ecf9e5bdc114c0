#pragma once
// How profile names are made and checked. Names within one profile list are unique ignoring
// case; a new name takes a counter or a repeated suffix until it is free.

#include <string>
#include <string_view>
#include <vector>

namespace ilmo::profiles {

// "profile1", or the next "profile%d" that no name takes.
std::string next_new_profile_name(const std::vector<std::string>& names);

// "<source> copy", with " copy" added again while the name is taken: A, A copy, A copy copy.
std::string copy_profile_name(const std::vector<std::string>& names, const std::string& source);

// `base` itself, or with "(n)" appended while it is taken, n counting up after every append:
// x, x(1), x(1)(2).
std::string import_profile_name(const std::vector<std::string>& names, const std::string& base);

// The rename results the profile panel acts on; the numbers are the ones the panel has
// always reported.
enum class RenameCheck { Taken = 0, Accepted = 1, Blank = 2 };

// Whether profile `current` may take `name`: blank after trimming white space → Blank;
// the name of another profile, ignoring case → Taken. The profile's own name is accepted.
RenameCheck check_rename(const std::vector<std::string>& names, int current, std::string_view name);

// True for a name that is empty or white space only.
bool is_blank_name(std::string_view name);

}  // namespace ilmo::profiles
