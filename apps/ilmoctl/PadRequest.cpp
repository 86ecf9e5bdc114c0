#include "PadRequest.h"

namespace ilmo::ctl {

PadRequestParse parse_pad_request(std::span<const std::string> words) {
    const auto failed = [](std::string error) {
        return PadRequestParse{PadGet{}, "pad " + std::move(error)};
    };
    if (words.empty()) return failed("needs get or set");
    const auto rest = words.subspan(1);
    if (words[0] == "get") {
        if (rest.empty() || (rest.size() == 1 && rest[0] == "lighting")) return {PadGet{false}, {}};
        if (rest.size() == 1 && rest[0] == "modes") return {PadGet{true}, {}};
        return failed("get takes lighting or modes");
    }
    if (words[0] == "set") {
        PadSet set;
        // The pad keeps the direction it has: the page offers none for it.
        const SettingSyntax syntax{
            [&set](std::string_view name, std::string_view value) {
                return take_lighting_setting(set.lighting, name, value, false);
            },
            [](std::string_view name) { return lighting_values(name); }};
        std::string error = take_setting_pairs(rest, syntax);
        if (!error.empty()) return failed(std::move(error));
        return {set, {}};
    }
    return failed("has no command " + words[0]);
}

}  // namespace ilmo::ctl
