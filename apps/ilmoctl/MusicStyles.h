#pragma once
// The four music styles of "AudioFile.json" on the command line: what "music styles set"
// takes, the record it makes, and how a read shows the styles. Styles are numbered 0-3, as
// the selection is stored.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Reading.h"
#include "SettingValues.h"
#include "profiles/AudioStyleRecord.h"

namespace ilmo::ctl {

struct MusicStylesChange {
    std::optional<int> selected;
    std::array<std::optional<std::string>, profiles::kAudioStyleCount> names;
    std::array<std::optional<profiles::StyleColor>, profiles::kAudioStyleCount> colours;

    bool any() const;
};

// A style colour as three digits 0-9, red, green, blue: "930" or "9,3,0".
std::optional<profiles::StyleColor> parse_style_colour(std::string_view text);
std::string format_style_colour(const profiles::StyleColor& colour);

// What "music styles set" takes: "selected 0-3", "name-N TEXT", "colour-N RGB" (N 0-3).
SettingSyntax music_styles_syntax(MusicStylesChange& change);

// `record` with the change made. An empty name is kept: the style document stores it as the
// style's default name.
profiles::AudioStyleRecord changed_styles(profiles::AudioStyleRecord record,
                                          const MusicStylesChange& change);

// The file, the selected style and a table of the four.
Reading styles_reading(const profiles::AudioStyleRecord& record, const std::string& file);

}  // namespace ilmo::ctl
