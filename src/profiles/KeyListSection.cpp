#include "profiles/KeyListSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

int packed_assignment(const AssignmentGroup& group) {
    return group.type * 65536 + group.first * 256 + group.second;
}

AssignmentGroup unpack_assignment(int64_t packed, uint16_t key_index) {
    const auto bits = static_cast<uint64_t>(packed);
    return {key_index, static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 8),
            static_cast<uint8_t>(bits)};
}

std::vector<KeyEntry> decode_key_list(const Json::Value& section) {
    const Json::Value& list = member(section, "KeyList");
    std::vector<KeyEntry> entries(array_size(list));
    for (size_t i = 0; i < entries.size(); ++i) {
        const Json::Value& entry = element(list, i);
        const auto key = static_cast<uint16_t>(i);
        entries[i].fn = unpack_assignment(int_of(member(entry, "FnAssignment")), key);
        entries[i].normal = unpack_assignment(int_of(member(entry, "Assignment")), key);
        entries[i].factory = unpack_assignment(int_of(member(entry, "DefaultAssignment")), key);
    }
    return entries;
}

void encode_key_list(Json::Value& section, const std::vector<KeyEntry>& entries) {
    Json::Value& list = array_member(section, "KeyList");
    for (size_t i = 0; i < entries.size(); ++i) {
        Json::Value& entry = object_element(list, i);
        entry["Assignment"] = packed_assignment(entries[i].normal);
        entry["FnAssignment"] = packed_assignment(entries[i].fn);
    }
}

}  // namespace ilmo::profiles
