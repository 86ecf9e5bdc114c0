#pragma once
// Names reach the macro list from file names and from documents, where any bytes can occur.
// The JSON writer turns every malformed byte into U+FFFD, so a name kept as read would no
// longer match itself after one save; names are therefore made valid when they come in.

#include <string>
#include <string_view>

namespace ilmo::macros {

// The text with each malformed UTF-8 sequence (stray continuation byte, cut sequence,
// overlong form, surrogate, code point above U+10FFFF) replaced by U+FFFD, one per byte.
std::string to_valid_utf8(std::string_view text);

}  // namespace ilmo::macros
