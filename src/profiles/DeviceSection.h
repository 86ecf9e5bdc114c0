#pragma once
// The frame of a profile document: "profilename", "profileUUID" and the device sections in
// "Device". Every setting of a device lives in one element of "Device".

#include <json/value.h>

#include <cstddef>

namespace ilmo::profiles {

// A copy of "Device"[index]; null when the document has none or it is not an object (a
// section of any other kind holds nothing usable and is replaced like a missing one).
Json::Value device_section(const Json::Value& document, size_t index);

// The document with "Device"[index] replaced by `section`; everything else is kept. A
// document that is not an object becomes one.
Json::Value with_device_section(Json::Value document, size_t index, const Json::Value& section);

}  // namespace ilmo::profiles
