#pragma once
// "music ..." commands as the words give them, checked before anything runs.

#include <span>
#include <string>
#include <variant>

#include "MusicListen.h"
#include "MusicStyles.h"
#include "RequestParse.h"

namespace ilmo::ctl {

struct MusicStylesGet {};

struct MusicStylesSet {
    MusicStylesChange change;
};

using MusicRequest = std::variant<MusicListen, MusicStylesGet, MusicStylesSet>;

using MusicRequestParse = RequestParse<MusicRequest>;

// `words`: what follows "music".
MusicRequestParse parse_music_request(std::span<const std::string> words);

}  // namespace ilmo::ctl
