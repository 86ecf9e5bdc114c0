#pragma once
// Names in the macro list are unique ignoring case, folded as profile names are: by a fixed
// table, the same on every machine whatever its locale.

#include <string>
#include <string_view>
#include <vector>

namespace ilmo::macros {

// Whether any name other than the one at `skip_index` equals `name` ignoring case.
bool name_taken(const std::vector<std::string>& names, std::string_view name, int skip_index = -1);

// "macro_1", or the first "macro_n" that no name takes.
std::string new_macro_name(const std::vector<std::string>& names);
// `base` itself when free; otherwise "_1" is appended, then "_2" to that, and so on until
// free: a file A imported three times gives A, A_1, A_1_2.
std::string imported_macro_name(std::string base, const std::vector<std::string>& names);

// True for text of spaces, tabs and line ends only (a rename to it is refused).
bool is_blank(std::string_view text);

}  // namespace ilmo::macros
