#include "SettingValues.h"

#include <algorithm>
#include <cstdio>

namespace ilmo::ctl {

namespace {

std::optional<int> hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<device::Rgb> parse_colour(std::string_view text) {
    if (text.starts_with('#')) text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    uint8_t bytes[3];
    for (size_t i = 0; i < 3; ++i) {
        const auto high = hex_digit(text[i * 2]);
        const auto low = hex_digit(text[i * 2 + 1]);
        if (!high || !low) return std::nullopt;
        bytes[i] = static_cast<uint8_t>(*high * 16 + *low);
    }
    return device::Rgb{bytes[0], bytes[1], bytes[2]};
}

std::string format_colour(device::Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::optional<int> parse_number(std::string_view text, int lowest, int highest) {
    // Digits only: no sign, no blanks, and few enough that the value cannot overflow.
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

std::optional<int> parse_signed_number(std::string_view text, int lowest, int highest) {
    if (!text.starts_with('-')) return parse_number(text, lowest, highest);
    const std::optional<int> magnitude = parse_number(text.substr(1), 0, -lowest);
    if (!magnitude || -*magnitude > highest) return std::nullopt;
    return -*magnitude;
}

std::optional<bool> parse_switch(std::string_view text) {
    if (same_text(text, "on") || text == "1") return true;
    if (same_text(text, "off") || text == "0") return false;
    return std::nullopt;
}

std::string_view format_switch(bool on) {
    return on ? "on" : "off";
}

std::string_view values_of(std::span<const SettingHelp> settings, std::string_view name) {
    for (const SettingHelp& setting : settings)
        if (setting.name == name) return setting.values;
    return {};
}

std::string take_setting_pairs(std::span<const std::string> words, const SettingSyntax& syntax) {
    if (words.empty()) return "set needs a SETTING and a VALUE";
    if (words.size() % 2 != 0) return "set takes SETTING VALUE pairs; " + words.back() + " has no value";
    for (size_t i = 0; i < words.size(); i += 2) {
        const std::string& name = words[i];
        const std::string& value = words[i + 1];
        switch (syntax.take(name, value)) {
            case SettingTake::Taken:
                break;
            case SettingTake::NotThisKind:
                return "there is no setting " + name;
            case SettingTake::BadValue:
                return name + " takes " + std::string(syntax.values(name)) + ", not " + value;
        }
    }
    return {};
}

bool same_text(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace ilmo::ctl
