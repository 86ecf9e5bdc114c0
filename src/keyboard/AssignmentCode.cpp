#include "keyboard/AssignmentCode.h"

#include "profiles/KeyListSection.h"

namespace ilmo::keyboard {

AssignmentCode table_code(std::span<const uint8_t> table, size_t position) {
    const size_t at = position * kCodeBytes;
    return {table[at], table[at + 1], table[at + 2]};
}

void set_table_code(std::span<uint8_t> table, size_t position, AssignmentCode code) {
    const size_t at = position * kCodeBytes;
    table[at] = code.type;
    table[at + 1] = code.first;
    table[at + 2] = code.second;
}

AssignmentCode code_of(const profiles::AssignmentGroup& group) {
    return {group.type, group.first, group.second};
}

profiles::AssignmentGroup group_of(AssignmentCode code, uint16_t key_index) {
    return {key_index, code.type, code.first, code.second};
}

}  // namespace ilmo::keyboard
