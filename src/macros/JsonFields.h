#pragma once
// Reading members of documents that come from disk without trusting their types. jsoncpp
// throws when a value is read as a type it cannot convert to, or when a non-object is
// indexed by key; files written by hand or cut short must never end the program, so every
// read here checks the type first and falls back to a stated value.

#include <json/value.h>

#include <filesystem>
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

// A document from disk, null when it is missing, empty or not JSON. Also null when the
// parser gives up on it (nesting deeper than it allows makes jsoncpp throw).
Json::Value read_document(const std::filesystem::path& path);
// Text to a document, null when it is not JSON (with the same guard).
Json::Value parse_document(const std::string& text);

}  // namespace ilmo::macros
