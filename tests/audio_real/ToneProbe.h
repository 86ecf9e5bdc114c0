#pragma once
// Plays tones at once into the default sink and records what reaches a monitor source, to
// see how the playback path shapes them: the level of each tone in what came out.

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ilmo::audio::testing {

// Levels in dB, one per tone and in the order the tones were given. Only differences between
// two measurements of the same tones mean anything.
using ToneLevels = std::vector<double>;

// Empty when the server refused a stream or nothing audible came back; `why` says which.
std::optional<ToneLevels> play_and_measure(const std::string& monitor_source,
                                           std::span<const double> tones_hz, std::string& why);

}  // namespace ilmo::audio::testing
