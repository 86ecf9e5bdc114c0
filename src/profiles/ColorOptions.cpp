#include "profiles/ColorOptions.h"

#include <cstdio>

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A stored selection counts only when it names a swatch (or none, -1).
void merge_selection(const Json::Value& value, size_t count, int& selection) {
    if (!value.isIntegral()) return;
    const int64_t index = int_of(value);
    if (index >= -1 && index < static_cast<int64_t>(count)) selection = static_cast<int>(index);
}

}  // namespace

ColorOptions default_color_options() {
    ColorOptions options;
    // Primary, secondary and mixed hues in the first two rows, greys in the last.
    options.presets = {0xFFFF0000, 0xFFFF8000, 0xFFFFFF00, 0xFF80FF00, 0xFF00FF00,
                       0xFF00FF80, 0xFF00FFFF, 0xFF0080FF, 0xFF0000FF, 0xFF8000FF,
                       0xFFFF00FF, 0xFFFF0080, 0xFF800000, 0xFF808000, 0xFF008000,
                       0xFF008080, 0xFF000080, 0xFFFFFFFF, 0xFF808080, 0xFF000000};
    return options;
}

std::string color_hex(uint32_t argb) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(argb));
    return text;
}

std::optional<uint32_t> parse_color_hex(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        const int digit = hex_digit(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

void merge_color_options(const Json::Value& document, ColorOptions& options) {
    const Json::Value& info = member(document, "coloroptioninfo");
    const Json::Value& presets = member(info, "palletDialogcoloroption");
    for (size_t i = 0; i < kColorPresetCount; ++i) {
        if (auto color = parse_color_hex(string_of(member(element(presets, i), "color"))))
            options.presets[i] = *color;
    }
    merge_selection(member(info, "palletDialogcoloroption_selectitem"), kColorPresetCount,
                    options.selected_preset);

    const Json::Value& collected = member(info, "palletDialogcollectcoloroption");
    for (size_t i = 0; i < kCollectedSwatchCount; ++i) {
        const Json::Value& entry = element(collected, i);
        const auto color = parse_color_hex(string_of(member(entry, "color")));
        if (!color) continue;
        const bool holds_color = string_of(member(entry, "UserData")) == "1";
        options.collected[i] = {holds_color ? *color : kEmptySwatchColor, holds_color};
    }
    merge_selection(member(info, "palletDialogcollectcoloroption_selectitem"),
                    kCollectedSwatchCount, options.selected_collected);
}

void encode_color_options(Json::Value& document, const ColorOptions& options) {
    Json::Value& info = object_member(document, "coloroptioninfo");
    Json::Value presets(Json::arrayValue);
    for (uint32_t color : options.presets) {
        Json::Value entry(Json::objectValue);
        entry["color"] = color_hex(color);
        presets.append(entry);
    }
    info["palletDialogcoloroption"] = presets;
    info["palletDialogcoloroption_selectitem"] = options.selected_preset;

    Json::Value collected(Json::arrayValue);
    for (const CollectedSwatch& swatch : options.collected) {
        Json::Value entry(Json::objectValue);
        entry["color"] = color_hex(swatch.color);
        entry["UserData"] = swatch.holds_color ? "1" : "";
        collected.append(entry);
    }
    info["palletDialogcollectcoloroption"] = collected;
    info["palletDialogcollectcoloroption_selectitem"] = options.selected_collected;
}

}  // namespace ilmo::profiles
