#pragma once
// The colour dialog's stored choices ("color_option_info.config" in the user data folder):
// twenty preset colours, twenty collected swatches and which of each is selected. Colours
// are 0xAARRGGBB and are stored as eight upper-case hexadecimal digits.

#include <json/value.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ilmo::profiles {

constexpr size_t kColorPresetCount = 20;
constexpr size_t kCollectedSwatchCount = 20;
constexpr uint32_t kEmptySwatchColor = 0xFFFFFFFF;

// A swatch's user data is "1" once it holds a colour and empty before; nothing else in it
// means anything, so it is kept as that one flag.
struct CollectedSwatch {
    uint32_t color = kEmptySwatchColor;
    bool holds_color = false;
    bool operator==(const CollectedSwatch&) const = default;
};

struct ColorOptions {
    std::array<uint32_t, kColorPresetCount> presets{};
    int selected_preset = -1;  // -1: none
    std::array<CollectedSwatch, kCollectedSwatchCount> collected{};
    int selected_collected = -1;
    bool operator==(const ColorOptions&) const = default;
};

// The dialog's own presets, used for whatever the file does not hold.
ColorOptions default_color_options();

std::string color_hex(uint32_t argb);  // 0xFF102030 -> "FF102030"
// One to eight hexadecimal digits, either case; nothing for anything else.
std::optional<uint32_t> parse_color_hex(std::string_view text);

// Takes from the document what it holds in a usable form; everything else keeps its value
// in `options`. A collected swatch whose user data is not "1" is empty (white).
void merge_color_options(const Json::Value& document, ColorOptions& options);
// Sets every key of "coloroptioninfo" from `options`; other keys of the document are kept.
void encode_color_options(Json::Value& document, const ColorOptions& options);

}  // namespace ilmo::profiles
