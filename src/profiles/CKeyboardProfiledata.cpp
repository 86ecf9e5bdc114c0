#include "profiles/CKeyboardProfiledata.h"

namespace ilmo::profiles {

const SystemWords& CKeyboardProfiledata::read_system_stages() {
    system_words_ = decode_keyboard_system_stages(section());
    return system_words_;
}

void CKeyboardProfiledata::write_system_stages(const SystemWords& words) {
    system_words_ = words;
    encode_keyboard_system_stages(current_section(), words);
}

bool CKeyboardProfiledata::read_fn_keyset_flag() const {
    return decode_fn_keyset_flag(section());
}

void CKeyboardProfiledata::write_fn_keyset_flag(bool editing_fn_layer) {
    encode_fn_keyset_flag(current_section(), editing_fn_layer);
}

const std::vector<KeyColor>& CKeyboardProfiledata::read_custom_colors(size_t group,
                                                                      size_t key_count) {
    custom_colors_ = profiles::read_custom_colors(current_section(), group, key_count);
    return custom_colors_;
}

void CKeyboardProfiledata::write_custom_colors(size_t group, const std::vector<KeyColor>& colors) {
    custom_colors_ = colors;
    profiles::write_custom_colors(current_section(), group, colors);
}

int CKeyboardProfiledata::read_custom_group_index() const {
    return decode_custom_group_index(section());
}

void CKeyboardProfiledata::write_custom_group_index(int group_index) {
    encode_custom_group_index(current_section(), group_index);
}

}  // namespace ilmo::profiles
