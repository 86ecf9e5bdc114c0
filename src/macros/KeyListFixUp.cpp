#include "macros/KeyListFixUp.h"

#include <cstdint>

#include "profiles/SectionFields.h"

namespace ilmo::macros {

using profiles::member;
using profiles::element;
using profiles::int_member;

namespace {

constexpr uint32_t kMacroWithRepeatMode = 0x70;
constexpr uint32_t kMacroRepeatedCount = 0x71;

// The macro number an assignment binds, or -1 when it binds no macro. Values are read as
// 32-bit patterns so that a negative number in a file cannot shift into other bytes.
int bound_macro(const Json::Value& assignment) {
    if (!assignment.isInt()) return -1;
    const auto packed = static_cast<uint32_t>(assignment.asInt());
    const uint32_t type = (packed >> 16) & 0xFF;
    if (type != kMacroWithRepeatMode && type != kMacroRepeatedCount) return -1;
    return static_cast<int>((packed >> 8) & 0xFF);
}

// The assignment after deleting `macro_index`; `default_code` replaces a binding of it.
Json::Value fixed_assignment(const Json::Value& assignment, int macro_index, int default_code) {
    const int bound = bound_macro(assignment);
    if (bound == macro_index) return default_code;
    if (bound > macro_index)
        return static_cast<int>(static_cast<uint32_t>(assignment.asInt()) - 0x100u);
    return assignment;
}

constexpr const char* kLayers[] = {"Assignment", "FnAssignment"};

}  // namespace

bool uses_macro(const Json::Value& key_list, int macro_index) {
    if (!key_list.isArray() || macro_index < 0) return false;
    for (const Json::Value& key : key_list) {
        for (const char* layer : kLayers)
            if (bound_macro(member(key, layer)) == macro_index) return true;
    }
    return false;
}

Json::Value key_list_without_macro(const Json::Value& key_list, int macro_index) {
    if (!key_list.isArray() || macro_index < 0) return key_list;
    Json::Value fixed = key_list;
    for (Json::Value& key : fixed) {
        if (!key.isObject()) continue;
        const int default_code = int_member(key, "DefaultAssignment");
        for (const char* layer : kLayers) {
            const Json::Value& assignment = member(key, layer);
            if (bound_macro(assignment) >= 0)
                key[layer] = fixed_assignment(assignment, macro_index, default_code);
        }
    }
    return fixed;
}

const Json::Value& profile_key_list(const Json::Value& profile) {
    return member(element(member(profile, "Device"), 0), "KeyList");
}

Json::Value profile_without_macro(const Json::Value& profile, int macro_index) {
    const Json::Value& key_list = profile_key_list(profile);
    if (!key_list.isArray()) return profile;
    Json::Value fixed = profile;
    fixed["Device"][0]["KeyList"] = key_list_without_macro(key_list, macro_index);
    return fixed;
}

}  // namespace ilmo::macros
