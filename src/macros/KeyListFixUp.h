#pragma once
// Keys bind macros by their position in the macro list: assignment types 0x70 and 0x71
// carry the macro number in bits 8..15 of the packed value (type in bits 16..23). Deleting
// macro m therefore sends keys bound to m back to their factory function and moves keys
// bound to a later macro down by one, in every profile of the device model.

#include <json/value.h>

namespace ilmo::macros {

// Whether any key of a "KeyList" array binds macro `macro_index` on the normal or Fn layer.
bool uses_macro(const Json::Value& key_list, int macro_index);

// The "KeyList" after deleting macro `macro_index`: in "Assignment" and "FnAssignment",
// a binding of that macro becomes the key's "DefaultAssignment" (0 when that is missing or
// not an integer) and a binding of a later macro names the macro one lower. Everything else
// is kept as it was, entries that are not objects included.
Json::Value key_list_without_macro(const Json::Value& key_list, int macro_index);

// A profile document with the fix-up applied to its "Device"[0]."KeyList"; the document
// comes back equal to `profile` when nothing there binds macro `macro_index` or a later one.
Json::Value profile_without_macro(const Json::Value& profile, int macro_index);
// The key list of a profile document, null when the document has none.
const Json::Value& profile_key_list(const Json::Value& profile);

}  // namespace ilmo::macros
