#include "MouseRequest.h"

#include "MouseButtonNames.h"
#include "mouse/SettingsBlock.h"

namespace ilmo::ctl {

namespace {

using What = MouseGet::What;

// Far above any sensor's highest DPI: the mouse's own range is checked when the command runs.
constexpr int kLargestDpi = 1'000'000;

struct GetWord {
    std::string_view word;
    What what;
};

constexpr GetWord kGetWords[] = {
    {"lighting", What::Lighting}, {"dpi", What::Dpi},     {"buttons", What::Buttons},
    {"pointer", What::Pointer},   {"modes", What::Modes},
};

constexpr SettingHelp kStageSettings[] = {
    {"dpi", "a DPI value"},
    {"enabled", "on or off"},
    {"colour", "#RRGGBB"},
};

MouseRequestParse failed(std::string error) {
    return {MouseGet{}, "mouse " + std::move(error)};
}

MouseRequestParse parse_get(std::span<const std::string> words) {
    if (words.empty()) return {MouseGet{}, {}};
    if (words.size() == 1)
        for (const GetWord& get : kGetWords)
            if (words[0] == get.word) return {MouseGet{get.what}, {}};
    return failed("get takes lighting, dpi, buttons, pointer or modes");
}

MouseRequestParse parse_set(std::span<const std::string> words) {
    MouseSet set;
    const SettingSyntax syntax = lighting_syntax_with(
        set.lighting, {[&set](std::string_view name, std::string_view value) {
                           return take_mouse_setting(set.settings, name, value);
                       },
                       mouse_setting_values});
    std::string error = take_setting_pairs(words, syntax);
    if (!error.empty()) return failed(std::move(error));
    return {set, {}};
}

// STAGE [DPI] [dpi DPI] [enabled on|off] [colour #RRGGBB]
MouseRequestParse parse_stage(std::span<const std::string> words) {
    constexpr std::string_view kForm =
        "dpi needs STAGE (0-4) and a DPI, enabled on|off or colour #RRGGBB";
    MouseStage stage;
    const std::optional<int> index =
        words.empty() ? std::nullopt : parse_number(words[0], 0, int{mouse::kStageCount} - 1);
    if (!index || words.size() < 2) return failed(std::string(kForm));
    stage.stage = *index;
    words = words.subspan(1);
    if (const auto dpi = parse_number(words[0], 0, kLargestDpi)) {
        stage.dpi = dpi;
        words = words.subspan(1);
    }
    if (words.size() % 2 != 0) return failed("dpi: " + words.back() + " has no value");
    const SettingSyntax syntax{
        [&stage](std::string_view name, std::string_view value) {
            if (name == "dpi")
                return taken_if(bool(stage.dpi = parse_number(value, 0, kLargestDpi)));
            if (name == "enabled") return taken_if(bool(stage.enabled = parse_switch(value)));
            if (name == "colour") return taken_if(bool(stage.colour = parse_colour(value)));
            return SettingTake::NotThisKind;
        },
        [](std::string_view name) { return values_of(kStageSettings, name); }};
    if (!words.empty())
        if (std::string error = take_setting_pairs(words, syntax); !error.empty())
            return failed("dpi: " + std::move(error));
    return {stage, {}};
}

MouseRequestParse parse_assign(std::span<const std::string> words) {
    if (words.size() != 2) return failed("assign needs BUTTON FUNCTION");
    const std::optional<int> button = parse_button(words[0]);
    if (!button)
        return failed("assign: there is no button " + words[0] + " (0-10, left, right, ...)");
    const std::optional<FunctionChoice> function = parse_function(words[1], FunctionLists::Mouse);
    if (!function) return failed("assign: " + words[1] + " is not a button function");
    return {MouseAssign{*button, *function}, {}};
}

}  // namespace

MouseRequestParse parse_mouse_request(std::span<const std::string> words) {
    if (words.empty()) return failed("needs get, set, dpi or assign");
    const std::string& verb = words[0];
    const auto rest = words.subspan(1);
    if (verb == "get") return parse_get(rest);
    if (verb == "set") return parse_set(rest);
    if (verb == "dpi") return parse_stage(rest);
    if (verb == "assign") return parse_assign(rest);
    return failed("has no command " + verb);
}

}  // namespace ilmo::ctl
