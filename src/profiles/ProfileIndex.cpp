#include "profiles/ProfileIndex.h"

#include <optional>
#include <unordered_set>

#include "profiles/ProfileNamesFold.h"
#include "profiles/Utf8.h"

namespace ilmo::profiles {

namespace {

// Leaves room for ".Json" within the usual 255-byte limit of a file name.
constexpr size_t kMaxIdentifierBytes = 250;

std::optional<ProfileEntry> read_entry(const Json::Value& item) {
    if (!item.isObject()) return std::nullopt;
    const Json::Value& identifier = item["profileUUID"];
    if (!identifier.isString() || !is_plain_identifier(identifier.asString())) return std::nullopt;
    const Json::Value& name = item["profilename"];
    ProfileEntry entry;
    entry.identifier = identifier.asString();
    // Names are compared as the next write will store them.
    entry.name = name.isString() ? to_valid_utf8(name.asString()) : entry.identifier;
    return entry;
}

}  // namespace

bool is_plain_identifier(std::string_view identifier) {
    return !identifier.empty() && identifier.size() <= kMaxIdentifierBytes && identifier != "." &&
           identifier != ".." &&
           identifier.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos &&
           is_valid_utf8(identifier);
}

ProfileIndexView read_profile_index(const Json::Value& index) {
    ProfileIndexView view;
    if (!index.isObject()) return view;
    const Json::Value& list = index["profilelist"];
    if (!list.isArray()) return view;
    const Json::Value& select = index["profileselect"];
    const Json::ArrayIndex stored_selected = select.isInt() && select.asInt() >= 0
                                                 ? static_cast<Json::ArrayIndex>(select.asInt())
                                                 : list.size();
    std::unordered_set<std::string> identifiers;
    for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
        std::optional<ProfileEntry> entry = read_entry(list[i]);
        if (!entry || !identifiers.insert(entry->identifier).second) {
            ++view.dropped;
            continue;
        }
        if (i == stored_selected) view.selected = static_cast<int>(view.entries.size());
        view.entries.push_back(std::move(*entry));
    }
    return view;
}

Json::Value make_profile_entry(const ProfileEntry& entry) {
    Json::Value item(Json::objectValue);
    item["profilename"] = entry.name;
    item["profileUUID"] = entry.identifier;
    item["profileislink"] = 0;
    item["profilelinkmame"] = "";
    return item;
}

Json::Value make_profile_index(const std::vector<ProfileEntry>& entries, int selected) {
    Json::Value index(Json::objectValue);
    Json::Value& list = index["profilelist"] = Json::Value(Json::arrayValue);
    for (const ProfileEntry& entry : entries) list.append(make_profile_entry(entry));
    index["profileselect"] = selected;
    return index;
}

std::vector<std::string> profile_names(const std::vector<ProfileEntry>& entries) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const ProfileEntry& entry : entries) names.push_back(entry.name);
    return names;
}

}  // namespace ilmo::profiles
