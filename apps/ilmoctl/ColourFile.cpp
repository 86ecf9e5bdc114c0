#include "ColourFile.h"

#include "KeyNames.h"
#include "SettingValues.h"

namespace ilmo::ctl {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr uint8_t kOpaque = 0xFF;

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The error of one line, empty when it reads; a blank or comment line adds nothing.
std::string read_line(std::string_view line, std::vector<KeyColourLine>& lines) {
    line = trimmed(line);
    if (line.empty() || line.starts_with('#')) return {};
    const size_t split = line.find_last_of(kBlanks);
    if (split == std::string_view::npos) return "a key and a colour are needed";
    const std::string_view key_text = trimmed(line.substr(0, split));
    const std::string_view colour_text = line.substr(split + 1);
    const std::optional<device::Rgb> colour = parse_colour(colour_text);
    if (!colour) return "\"" + std::string(colour_text) + "\" is not a colour #RRGGBB";
    if (key_text == "*") {
        lines.push_back({std::nullopt, *colour});
        return {};
    }
    const std::optional<int> key = parse_key(key_text);
    if (!key) return "\"" + std::string(key_text) + "\" is not a key";
    lines.push_back({key, *colour});
    return {};
}

}  // namespace

ColourFileParse parse_colour_file(std::string_view text) {
    ColourFileParse parse;
    int number = 0;
    while (!text.empty() || number == 0) {
        ++number;
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (std::string error = read_line(line, parse.lines); !error.empty()) {
            parse.error = "line " + std::to_string(number) + ": " + error;
            return parse;
        }
    }
    if (parse.lines.empty()) parse.error = "no colours in it";
    return parse;
}

void apply_key_colours(std::vector<profiles::KeyColor>& colours,
                       const std::vector<KeyColourLine>& lines) {
    const auto paint = [](profiles::KeyColor& target, device::Rgb colour) {
        target = {colour.red, colour.green, colour.blue, kOpaque};
    };
    for (const KeyColourLine& line : lines) {
        if (!line.key) {
            for (profiles::KeyColor& colour : colours) paint(colour, line.colour);
        } else if (static_cast<size_t>(*line.key) < colours.size()) {
            paint(colours[static_cast<size_t>(*line.key)], line.colour);
        }
    }
}

}  // namespace ilmo::ctl
