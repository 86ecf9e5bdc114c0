#pragma once
// Numbers typed into the editors' cells. Edits allow digits only, but a cell can still be
// empty or hold a value beyond its range, and files written by hand can hold anything.

#include <string_view>

namespace ilmo::macros {

// Leading blanks and a sign are accepted; digits are read up to the first other character;
// text without digits reads as 0. The result is clamped to 0..max_value, so a number of any
// length clamps rather than wraps.
int parse_decimal_clamped(std::string_view text, int max_value);

}  // namespace ilmo::macros
