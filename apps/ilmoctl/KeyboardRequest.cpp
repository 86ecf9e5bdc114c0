#include "KeyboardRequest.h"

namespace ilmo::ctl {

namespace {

using What = KeyboardGet::What;

struct GetWord {
    std::string_view word;
    What what;
};

constexpr GetWord kGetWords[] = {
    {"lighting", What::Lighting}, {"options", What::Options}, {"onboard", What::Onboard},
    {"keys", What::Keys},         {"colours", What::Colours}, {"modes", What::Modes},
};

KeyboardRequestParse failed(std::string error) {
    return {KeyboardGet{}, "keyboard " + std::move(error)};
}

KeyboardRequestParse parse_get(std::span<const std::string> words) {
    if (words.empty()) return {KeyboardGet{}, {}};
    if (words[0] == "key") {
        if (words.size() != 2) return failed("get key needs one KEY");
        const std::optional<int> key = parse_key(words[1]);
        if (!key) return failed("get key: there is no key " + words[1]);
        return {KeyboardGet{What::Key, *key}, {}};
    }
    if (words.size() == 1)
        for (const GetWord& get : kGetWords)
            if (words[0] == get.word) return {KeyboardGet{get.what, 0}, {}};
    return failed("get takes lighting, options, onboard, keys, key KEY, colours or modes");
}

KeyboardRequestParse parse_set(std::span<const std::string> words) {
    KeyboardSet set;
    const SettingSyntax syntax = lighting_syntax_with(
        set.lighting, {[&set](std::string_view name, std::string_view value) {
                           const SettingTake taken = take_option_setting(set.options, name, value);
                           return taken != SettingTake::NotThisKind
                                      ? taken
                                      : take_audio_light_setting(set.audio, name, value);
                       },
                       [](std::string_view name) {
                           const std::string_view values = option_values(name);
                           return values.empty() ? audio_light_values(name) : values;
                       }});
    std::string error = take_setting_pairs(words, syntax);
    if (!error.empty()) return failed(std::move(error));
    return {set, {}};
}

KeyboardRequestParse parse_assign(std::span<const std::string> words) {
    KeyboardAssign assign;
    if (words.size() == 3) {
        if (words[0] == "fn")
            assign.layer = keyboard::KeyLayer::Fn;
        else if (words[0] != "normal")
            return failed("assign: the layer is normal or fn, not " + words[0]);
        words = words.subspan(1);
    }
    if (words.size() != 2) return failed("assign needs [normal|fn] KEY FUNCTION");
    const std::optional<int> key = parse_key(words[0]);
    if (!key) return failed("assign: there is no key " + words[0]);
    const std::optional<FunctionChoice> function = parse_function(words[1]);
    if (!function) return failed("assign: " + words[1] + " is not a key function");
    assign.key = *key;
    assign.function = *function;
    return {assign, {}};
}

}  // namespace

KeyboardRequestParse parse_keyboard_request(std::span<const std::string> words) {
    if (words.empty()) return failed("needs get, set, assign, colours or onboard");
    const std::string& verb = words[0];
    const auto rest = words.subspan(1);
    if (verb == "get") return parse_get(rest);
    if (verb == "set") return parse_set(rest);
    if (verb == "assign") return parse_assign(rest);
    if (verb == "colours") {
        if (rest.size() != 1) return failed("colours needs one FILE");
        return {KeyboardColours{rest[0]}, {}};
    }
    if (verb == "onboard") {
        const std::optional<int> profile =
            rest.size() == 1
                ? parse_number(rest[0], 0, keyboard::CTavrinKeyboardDevice::kOnboardProfiles - 1)
                : std::nullopt;
        if (!profile) return failed("onboard needs a profile number 0-15");
        return {KeyboardOnboard{*profile}, {}};
    }
    return failed("has no command " + verb);
}

}  // namespace ilmo::ctl
