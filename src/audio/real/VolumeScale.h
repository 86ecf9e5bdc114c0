#pragma once
// Conversions between a mixer element's raw steps and what the host reads and writes: the
// scalar level 0.0-1.0 spread evenly over the raw steps, and the level and range in dB when
// the card publishes a dB scale (in raw steps when it does not).

#include <optional>

namespace ilmo::audio {

struct VolumeRange {
    long raw_min = 0;
    long raw_max = 0;
    // Hundredths of a dB, as ALSA gives them; empty when the card has no dB scale.
    std::optional<long> centi_db_min;
    std::optional<long> centi_db_max;
};

// Out-of-range scalars are limited to 0.0-1.0.
long raw_from_scalar(float scalar, const VolumeRange& range);
float scalar_from_raw(long raw, const VolumeRange& range);

// The range the host shows, in dB (or raw steps); the step is one raw step's worth.
double level_min(const VolumeRange& range);
double level_max(const VolumeRange& range);
double level_step(const VolumeRange& range);

}  // namespace ilmo::audio
