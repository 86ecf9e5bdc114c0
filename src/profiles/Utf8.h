#pragma once
// Text in the documents is UTF-8, but names also come from file names and from documents
// written elsewhere, where any bytes can occur. The JSON writer turns every malformed byte
// into U+FFFD, so text kept as read would no longer match itself after one save.

#include <cstddef>
#include <string>
#include <string_view>

namespace ilmo::profiles {

// Decodes the character starting at `at`; returns how many bytes it took, or 0 when the
// bytes there are not a well-formed sequence (stray continuation byte, cut sequence,
// overlong form, surrogate, code point above U+10FFFF).
size_t decode_utf8_character(std::string_view text, size_t at, char32_t& character);

// True when every byte belongs to a well-formed sequence.
bool is_valid_utf8(std::string_view text);

// The text with each malformed byte replaced by U+FFFD, one replacement per byte: what the
// JSON writer would store, made before the text is compared with stored names.
std::string to_valid_utf8(std::string_view text);

}  // namespace ilmo::profiles
