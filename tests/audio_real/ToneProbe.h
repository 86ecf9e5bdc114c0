#pragma once
// Plays two tones at once into the default sink and records what reaches a monitor source,
// to see how the playback path shapes them: the level of each tone in what came out.

#include <optional>
#include <string>

namespace ilmo::audio::testing {

struct ToneLevels {
    double low_db;   // 63 Hz
    double high_db;  // 1 kHz
    double low_over_high_db() const { return low_db - high_db; }
};

inline constexpr double kLowToneHz = 63.0;
inline constexpr double kHighToneHz = 1000.0;

// Empty when the server refused a stream or nothing audible came back; `why` says which.
std::optional<ToneLevels> play_and_measure(const std::string& monitor_source, std::string& why);

}  // namespace ilmo::audio::testing
