#pragma once
// Profile names are unique ignoring case, in any script a user types, so the comparison
// works on decoded characters rather than bytes.

#include <string>
#include <string_view>

namespace ilmo::profiles {

// The lower-case form of one character for the scripts that have case: Latin (with its
// extended blocks), Greek, Cyrillic, Armenian and the full-width Latin letters. Other
// characters are returned unchanged.
char32_t fold_character(char32_t character);

// Decodes UTF-8 and folds every character. Bytes that are not valid UTF-8 become the lone
// surrogates U+DC80..U+DCFF, which no valid text decodes to, so two different broken names
// never fold to the same text and a broken name never equals a valid one.
std::u32string fold_name(std::string_view utf8);

bool same_name(std::string_view a, std::string_view b);

}  // namespace ilmo::profiles
