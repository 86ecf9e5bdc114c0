#pragma once
// Reading members of documents that come from disk without trusting their types. jsoncpp
// throws when a value is read as a type it cannot convert to, or when a non-object is
// indexed by key; files written by hand or cut short must never end the program, so every
// read here checks the type first and falls back to a stated value.

#include <json/value.h>

#include <string>

namespace ilmo::macros {

// The member `key` of `object`, or null when `object` is not an object or lacks it.
const Json::Value& member(const Json::Value& object, const char* key);
// The member as an int when it is a JSON integer that fits; otherwise `fallback`.
int int_member(const Json::Value& object, const char* key, int fallback);
// The member when it is a string; otherwise empty.
std::string string_member(const Json::Value& object, const char* key);
// Element `index` of `array`, or null when `array` is not an array or is shorter.
const Json::Value& element(const Json::Value& array, Json::ArrayIndex index);

}  // namespace ilmo::macros
