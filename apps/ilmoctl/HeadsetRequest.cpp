#include "HeadsetRequest.h"

#include "profiles/EqualizerSection.h"

namespace ilmo::ctl {

namespace {

using What = HeadsetGet::What;

struct GetWord {
    std::string_view word;
    What what;
};

constexpr GetWord kGetWords[] = {
    {"sound", What::Sound},       {"eq", What::Equaliser}, {"curves", What::Curves},
    {"lighting", What::Lighting}, {"modes", What::Modes},
};

HeadsetRequestParse failed(std::string error) {
    return {HeadsetGet{}, "headset " + std::move(error)};
}

HeadsetRequestParse parse_get(std::span<const std::string> words) {
    if (words.empty()) return {HeadsetGet{}, {}};
    if (words.size() == 1)
        for (const GetWord& get : kGetWords)
            if (words[0] == get.word) return {HeadsetGet{get.what}, {}};
    return failed("get takes sound, eq, curves, lighting or modes");
}

HeadsetRequestParse parse_set(std::span<const std::string> words) {
    HeadsetSet set;
    // The headset's lights, like the pad's, have no direction.
    const SettingSyntax syntax{
        [&set](std::string_view name, std::string_view value) {
            const SettingTake taken = take_lighting_setting(set.lighting, name, value, false);
            return taken != SettingTake::NotThisKind ? taken
                                                     : take_sound_setting(set.sound, name, value);
        },
        [](std::string_view name) {
            const std::string_view lighting = lighting_values(name);
            return lighting.empty() ? sound_setting_values(name) : lighting;
        }};
    std::string error = take_setting_pairs(words, syntax);
    if (!error.empty()) return failed(std::move(error));
    return {set, {}};
}

HeadsetRequestParse parse_band(std::span<const std::string> words) {
    const std::optional<int> band =
        words.size() == 2 ? parse_number(words[0], 1, profiles::kEqBandCount) : std::nullopt;
    const std::optional<int> value =
        words.size() == 2 ? parse_signed_number(words[1], profiles::kEqBandLowest,
                                                  profiles::kEqBandHighest)
                          : std::nullopt;
    if (!band || !value)
        return failed("band needs a BAND 1-" + std::to_string(profiles::kEqBandCount) +
                      " and a VALUE " + std::to_string(profiles::kEqBandLowest) + " to " +
                      std::to_string(profiles::kEqBandHighest));
    return {HeadsetBand{*band - 1, *value}, {}};
}

HeadsetRequestParse parse_curve(std::span<const std::string> words) {
    constexpr std::string_view kForm = "curve takes save [NAME], choose NAME or delete [NAME]";
    if (words.empty() || words.size() > 2) return failed(std::string(kForm));
    const std::string name = words.size() == 2 ? words[1] : std::string();
    if (words[0] == "save") return {HeadsetCurve{HeadsetCurve::Action::Save, name}, {}};
    if (words[0] == "delete") return {HeadsetCurve{HeadsetCurve::Action::Delete, name}, {}};
    if (words[0] == "choose" && !name.empty())
        return {HeadsetCurve{HeadsetCurve::Action::Choose, name}, {}};
    return failed(std::string(kForm));
}

}  // namespace

HeadsetRequestParse parse_headset_request(std::span<const std::string> words) {
    if (words.empty()) return failed("needs get, set, band or curve");
    const std::string& verb = words[0];
    const auto rest = words.subspan(1);
    if (verb == "get") return parse_get(rest);
    if (verb == "set") return parse_set(rest);
    if (verb == "band") return parse_band(rest);
    if (verb == "curve") return parse_curve(rest);
    return failed("has no command " + verb);
}

}  // namespace ilmo::ctl
