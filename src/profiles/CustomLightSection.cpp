#include "profiles/CustomLightSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

void store_color(Json::Value& entry, const KeyColor& color) {
    entry["Red"] = color.red;
    entry["Green"] = color.green;
    entry["Blue"] = color.blue;
    entry["Alpha"] = color.alpha;
}

Json::Value& group_of(Json::Value& section, size_t group) {
    Json::Value& groups = array_member(object_member(section, "CustomLightMode"), "LightColorInfo");
    return array_element(groups, group);
}

}  // namespace

std::vector<KeyColor> read_custom_colors(Json::Value& section, size_t group, size_t key_count) {
    std::vector<KeyColor> colors(key_count);
    Json::Value& entries = group_of(section, group);
    for (size_t k = 0; k < key_count; ++k) {
        const Json::Value& stored = element(entries, k);
        if (!stored.isObject()) {
            store_color(object_element(entries, k), KeyColor{});
            continue;
        }
        colors[k] = {byte_of(member(stored, "Red")), byte_of(member(stored, "Green")),
                     byte_of(member(stored, "Blue")), byte_of(member(stored, "Alpha"))};
    }
    return colors;
}

void write_custom_colors(Json::Value& section, size_t group, const std::vector<KeyColor>& colors) {
    Json::Value& entries = group_of(section, group);
    for (size_t k = 0; k < colors.size(); ++k) store_color(object_element(entries, k), colors[k]);
}

int decode_custom_group_index(const Json::Value& section) {
    return int32_of(member(member(section, "CustomLightMode"), "CustomLightModeGroupIndex"));
}

void encode_custom_group_index(Json::Value& section, int group_index) {
    object_member(section, "CustomLightMode")["CustomLightModeGroupIndex"] = group_index;
}

}  // namespace ilmo::profiles
