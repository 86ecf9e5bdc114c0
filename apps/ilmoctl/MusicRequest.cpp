#include "MusicRequest.h"

namespace ilmo::ctl {

namespace {

MusicRequestParse failed(std::string error) {
    return {MusicStylesGet{}, "music " + std::move(error)};
}

MusicRequestParse parse_listen(std::span<const std::string> words) {
    if (words.empty()) return {MusicListen{}, {}};
    const std::optional<int> seconds =
        words.size() == 1 ? parse_number(words[0], 1, kMaxListenSeconds) : std::nullopt;
    if (!seconds) return failed("listen takes SECONDS 1-" + std::to_string(kMaxListenSeconds));
    return {MusicListen{*seconds}, {}};
}

MusicRequestParse parse_styles(std::span<const std::string> words) {
    if (words.empty() || (words.size() == 1 && words[0] == "get")) return {MusicStylesGet{}, {}};
    if (words[0] != "set") return failed("styles takes get or set");
    MusicStylesSet set;
    std::string error = take_setting_pairs(words.subspan(1), music_styles_syntax(set.change));
    if (!error.empty()) return failed("styles " + std::move(error));
    return {set, {}};
}

}  // namespace

MusicRequestParse parse_music_request(std::span<const std::string> words) {
    if (words.empty()) return failed("needs listen or styles");
    if (words[0] == "listen") return parse_listen(words.subspan(1));
    if (words[0] == "styles") return parse_styles(words.subspan(1));
    return failed("has no command " + words[0]);
}

}  // namespace ilmo::ctl
