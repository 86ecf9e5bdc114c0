#pragma once
// "KeyList": one entry per key position (keyboard) or button (mouse), each holding the
// function in the normal layer ("Assignment"), in the Fn layer ("FnAssignment") and the
// factory function ("DefaultAssignment"). A function is a 3-byte assignment code packed
// into one integer as byte2 × 65536 + byte1 × 256 + byte0.

#include <json/value.h>

#include <cstdint>
#include <vector>

namespace ilmo::profiles {

// One assignment code with the key it belongs to.
struct AssignmentGroup {
    uint16_t key_index = 0;
    uint8_t type = 0;    // byte 2
    uint8_t first = 0;   // byte 1
    uint8_t second = 0;  // byte 0
    bool operator==(const AssignmentGroup&) const = default;
};

// The three groups in the order the device code expects them.
struct KeyEntry {
    AssignmentGroup fn;
    AssignmentGroup normal;
    AssignmentGroup factory;  // "DefaultAssignment": read only
    bool operator==(const KeyEntry&) const = default;
};

int packed_assignment(const AssignmentGroup& group);
// Bits above the three bytes are dropped.
AssignmentGroup unpack_assignment(int64_t packed, uint16_t key_index);

// Empty when the section has no "KeyList" array; entry i is key i.
std::vector<KeyEntry> decode_key_list(const Json::Value& section);
// Sets "Assignment" and "FnAssignment" of entry i from entry i of `entries`;
// "DefaultAssignment" keeps what the document holds.
void encode_key_list(Json::Value& section, const std::vector<KeyEntry>& entries);

}  // namespace ilmo::profiles
