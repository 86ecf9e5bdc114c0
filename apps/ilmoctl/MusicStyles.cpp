#include "MusicStyles.h"

#include <algorithm>

namespace ilmo::ctl {

namespace {

constexpr int kLastStyle = profiles::kAudioStyleCount - 1;

constexpr SettingHelp kSettings[] = {
    {"selected", "a style 0-3"},
    {"name", "a text (empty for the style's default name)"},
    {"colour", "three digits 0-9, red green blue (930 or 9,3,0)"},
};

// "name-2" -> style 2 of setting "name"; nothing when the word is not that setting's.
std::optional<int> style_of(std::string_view name, std::string_view setting) {
    if (!name.starts_with(setting) || name.size() != setting.size() + 2 ||
        name[setting.size()] != '-')
        return std::nullopt;
    return parse_number(name.substr(setting.size() + 1), 0, kLastStyle);
}

std::optional<int> digit(char c) {
    if (c < '0' || c > '0' + profiles::kStyleComponentMax) return std::nullopt;
    return c - '0';
}

}  // namespace

bool MusicStylesChange::any() const {
    return selected || std::ranges::any_of(names, [](const auto& n) { return n.has_value(); }) ||
           std::ranges::any_of(colours, [](const auto& c) { return c.has_value(); });
}

std::optional<profiles::StyleColor> parse_style_colour(std::string_view text) {
    std::string digits;
    if (text.size() == 5 && text[1] == ',' && text[3] == ',')
        digits = {text[0], text[2], text[4]};
    else if (text.size() == 3)
        digits = std::string(text);
    else
        return std::nullopt;
    const auto red = digit(digits[0]), green = digit(digits[1]), blue = digit(digits[2]);
    if (!red || !green || !blue) return std::nullopt;
    return profiles::StyleColor{*red, *green, *blue};
}

std::string format_style_colour(const profiles::StyleColor& colour) {
    return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue);
}

SettingSyntax music_styles_syntax(MusicStylesChange& change) {
    return {[&change](std::string_view name, std::string_view value) {
                if (name == "selected")
                    return taken_if(bool(change.selected = parse_number(value, 0, kLastStyle)));
                if (const auto style = style_of(name, "name")) {
                    change.names[static_cast<size_t>(*style)] = std::string(value);
                    return SettingTake::Taken;
                }
                if (const auto style = style_of(name, "colour")) {
                    auto& colour = change.colours[static_cast<size_t>(*style)];
                    return taken_if(bool(colour = parse_style_colour(value)));
                }
                return SettingTake::NotThisKind;
            },
            [](std::string_view name) {
                const size_t dash = name.find('-');
                return values_of(kSettings, name.substr(0, dash));
            }};
}

profiles::AudioStyleRecord changed_styles(profiles::AudioStyleRecord record,
                                          const MusicStylesChange& change) {
    if (change.selected) record.selected_style = *change.selected;
    for (size_t style = 0; style < record.names.size(); ++style) {
        if (const auto& name = change.names[style]) record.names[style] = *name;
        if (const auto& colour = change.colours[style]) record.colors[style] = *colour;
    }
    return record;
}

Reading styles_reading(const profiles::AudioStyleRecord& record, const std::string& file) {
    Reading reading;
    reading.header.add("file", file).add("selected", record.selected_style);
    Table& table = reading.tables.emplace_back(Table{"styles", {"style", "name", "colour"}, {}});
    for (size_t style = 0; style < record.names.size(); ++style)
        table.rows.push_back({static_cast<int>(style), record.names[style],
                              format_style_colour(record.colors[style])});
    return reading;
}

}  // namespace ilmo::ctl
