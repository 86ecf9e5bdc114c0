#pragma once
// "CustomLightMode": the keyboard's per-key colour groups ("LightColorInfo"[group][key]) and
// the selected group ("CustomLightModeGroupIndex").

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ilmo::profiles {

// One key's colour, in the byte order of the 32-bit colour the device code uses.
struct KeyColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;
    bool operator==(const KeyColor&) const = default;
};

// The colours of `group` for the first `key_count` keys. The key count is the caller's, not
// the document's: every key the group lacks is created in the section as four zeros (so the
// saved document then holds a full group) and reads as a zero colour.
std::vector<KeyColor> read_custom_colors(Json::Value& section, size_t group, size_t key_count);
// Sets entry k of `group` for every colour k given.
void write_custom_colors(Json::Value& section, size_t group, const std::vector<KeyColor>& colors);

int decode_custom_group_index(const Json::Value& section);
void encode_custom_group_index(Json::Value& section, int group_index);

}  // namespace ilmo::profiles
