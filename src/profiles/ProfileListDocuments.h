#pragma once
// What the profile list changes inside profile documents: the two identity keys at the top,
// which always repeat the document's index entry, and the headset's own equaliser presets,
// which survive a reset to defaults.

#include <json/value.h>

#include <string>

namespace ilmo::profiles {

// `document` with "profilename" and "profileUUID" set. A document that is not an object
// (missing, unreadable, or a stray array) becomes one holding only these two keys.
Json::Value with_identity(Json::Value document, const std::string& name,
                          const std::string& identifier);

// True for a document an import accepts: an object whose "profilename" and "profileUUID"
// are present and not null.
bool is_profile_document(const Json::Value& document);

// `fresh` with "Device"[0]."CustomEQNameInfo" and "CustomEQHzValueInfo" taken from `old`,
// where `old` has them. `fresh` stays as it is when its "Device" has some other shape.
Json::Value with_custom_equaliser(Json::Value fresh, const Json::Value& old);

}  // namespace ilmo::profiles
