#include "profiles/ProfileListDocuments.h"

namespace ilmo::profiles {

namespace {

constexpr const char* kEqualiserKeys[] = {"CustomEQNameInfo", "CustomEQHzValueInfo"};

// "Device"[0] when the document has that shape, else null.
const Json::Value* first_device(const Json::Value& document) {
    if (!document.isObject()) return nullptr;
    const Json::Value& devices = document["Device"];
    if (!devices.isArray() || devices.empty() || !devices[0].isObject()) return nullptr;
    return &devices[0];
}

// "Device"[0] of `document`, made where it is missing; null when "Device" is something else.
Json::Value* writable_first_device(Json::Value& document) {
    if (!document.isObject()) return nullptr;
    Json::Value& devices = document["Device"];
    if (devices.isNull()) devices = Json::Value(Json::arrayValue);
    if (!devices.isArray()) return nullptr;
    Json::Value& first = devices[0];
    if (first.isNull()) first = Json::Value(Json::objectValue);
    return first.isObject() ? &first : nullptr;
}

}  // namespace

Json::Value with_identity(Json::Value document, const std::string& name,
                          const std::string& identifier) {
    if (!document.isObject()) document = Json::Value(Json::objectValue);
    document["profilename"] = name;
    document["profileUUID"] = identifier;
    return document;
}

bool is_profile_document(const Json::Value& document) {
    return document.isObject() && !document["profilename"].isNull() &&
           !document["profileUUID"].isNull();
}

Json::Value with_custom_equaliser(Json::Value fresh, const Json::Value& old) {
    const Json::Value* kept = first_device(old);
    if (!kept) return fresh;
    bool has_any = false;
    for (const char* key : kEqualiserKeys) has_any = has_any || kept->isMember(key);
    if (!has_any) return fresh;
    Json::Value* target = writable_first_device(fresh);
    if (!target) return fresh;
    for (const char* key : kEqualiserKeys) {
        if (kept->isMember(key)) (*target)[key] = (*kept)[key];
    }
    return fresh;
}

}  // namespace ilmo::profiles
