#include "LightingSettings.h"

#include <utility>

#include "SettingValues.h"

namespace ilmo::ctl {

namespace {

constexpr int kLastLevel = 4;
constexpr int kLastDirection = 1;

constexpr SettingHelp kSettings[] = {
    {"mode", "a mode number or name (see \"modes\")"},
    {"brightness", "0-4"},
    {"speed", "0-4"},
    {"direction", "0 or 1"},
    {"colour", "#RRGGBB"},
    {"colourful", "on or off"},
};

int mode_number(const std::vector<profiles::BuiltinMode>& modes, size_t index,
                ModeNumbering numbering) {
    return numbering == ModeNumbering::ByValue ? modes[index].value : static_cast<int>(index);
}

std::optional<size_t> entry_of_mode(const std::vector<profiles::BuiltinMode>& modes, int mode,
                                    ModeNumbering numbering) {
    for (size_t i = 0; i < modes.size(); ++i)
        if (mode_number(modes, i, numbering) == mode) return i;
    return std::nullopt;
}

std::optional<int> resolve_mode(std::string_view text, const std::vector<profiles::BuiltinMode>& modes,
                                ModeNumbering numbering) {
    const std::optional<int> number = parse_number(text, 0, 255);
    for (size_t i = 0; i < modes.size(); ++i) {
        if (!modes[i].visible) continue;
        const int mode = mode_number(modes, i, numbering);
        if (number ? *number == mode : same_text(modes[i].name, text)) return mode;
    }
    return std::nullopt;
}

}  // namespace

bool LightingChange::any() const {
    return mode || brightness || speed || direction || colour || colourful;
}

std::string_view lighting_values(std::string_view name) {
    return values_of(kSettings, name);
}

SettingTake take_lighting_setting(LightingChange& change, std::string_view name,
                                  std::string_view value, bool with_direction) {
    if (name == "mode") {
        change.mode = std::string(value);
        return SettingTake::Taken;
    }
    if (name == "brightness") return taken_if(bool(change.brightness = parse_number(value, 0, kLastLevel)));
    if (name == "speed") return taken_if(bool(change.speed = parse_number(value, 0, kLastLevel)));
    if (name == "direction" && with_direction)
        return taken_if(bool(change.direction = parse_number(value, 0, kLastDirection)));
    if (name == "colour") return taken_if(bool(change.colour = parse_colour(value)));
    if (name == "colourful") return taken_if(bool(change.colourful = parse_switch(value)));
    return SettingTake::NotThisKind;
}

SettingSyntax lighting_syntax_with(LightingChange& lighting, SettingSyntax own) {
    return {[&lighting, take = std::move(own.take)](std::string_view name, std::string_view value) {
                const SettingTake taken = take_lighting_setting(lighting, name, value, true);
                return taken != SettingTake::NotThisKind ? taken : take(name, value);
            },
            [values = std::move(own.values)](std::string_view name) {
                const std::string_view lighting_value = lighting_values(name);
                return lighting_value.empty() ? values(name) : lighting_value;
            }};
}

LightingResult changed_lighting(const device::LightRecord& current, const LightingChange& change,
                                const std::vector<profiles::BuiltinMode>& modes,
                                ModeNumbering numbering) {
    device::LightRecord record = current;
    if (change.mode) {
        const std::optional<int> mode = resolve_mode(*change.mode, modes, numbering);
        if (!mode) return {current, "no mode " + *change.mode};
        record.mode = static_cast<uint8_t>(*mode);
    }
    if (change.brightness) record.brightness = static_cast<uint8_t>(*change.brightness);
    if (change.speed) record.speed = static_cast<uint8_t>(*change.speed);
    if (change.direction) record.direction = static_cast<uint8_t>(*change.direction);
    if (change.colour) {
        record.red = change.colour->red;
        record.green = change.colour->green;
        record.blue = change.colour->blue;
    }
    if (change.colourful) record.multicolor = *change.colourful ? 1 : 0;
    return {record, {}};
}

void add_lighting_fields(FieldGroup& group, const device::LightRecord& light,
                         const std::vector<profiles::BuiltinMode>& modes, ModeNumbering numbering,
                         bool with_direction) {
    const std::optional<size_t> entry = entry_of_mode(modes, light.mode, numbering);
    group.add("mode", light.mode).add("mode-name", entry ? modes[*entry].name : std::string());
    group.add("brightness", light.brightness).add("speed", light.speed);
    if (with_direction) group.add("direction", light.direction);
    group.add("colour", format_colour({light.red, light.green, light.blue}))
        .add("colourful", light.multicolor != 0);
}

Table mode_table(const std::vector<profiles::BuiltinMode>& modes, ModeNumbering numbering) {
    Table table{"modes", {"mode", "name"}, {}};
    if (numbering == ModeNumbering::ByIndex) table.columns.push_back("code");
    for (size_t i = 0; i < modes.size(); ++i) {
        if (!modes[i].visible) continue;
        std::vector<Scalar> row{mode_number(modes, i, numbering), modes[i].name};
        if (numbering == ModeNumbering::ByIndex) row.push_back(modes[i].value);
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace ilmo::ctl
