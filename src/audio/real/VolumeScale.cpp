#include "audio/real/VolumeScale.h"

#include <algorithm>
#include <cmath>

namespace ilmo::audio {
namespace {

bool has_db(const VolumeRange& range) {
    return range.centi_db_min && range.centi_db_max;
}

}  // namespace

long raw_from_scalar(float scalar, const VolumeRange& range) {
    const double limited = std::clamp(static_cast<double>(scalar), 0.0, 1.0);
    return range.raw_min +
           std::lround(limited * static_cast<double>(range.raw_max - range.raw_min));
}

float scalar_from_raw(long raw, const VolumeRange& range) {
    if (range.raw_max <= range.raw_min) return 0.0f;
    const long limited = std::clamp(raw, range.raw_min, range.raw_max);
    return static_cast<float>(static_cast<double>(limited - range.raw_min) /
                              static_cast<double>(range.raw_max - range.raw_min));
}

double level_min(const VolumeRange& range) {
    return has_db(range) ? *range.centi_db_min / 100.0 : static_cast<double>(range.raw_min);
}

double level_max(const VolumeRange& range) {
    return has_db(range) ? *range.centi_db_max / 100.0 : static_cast<double>(range.raw_max);
}

double level_step(const VolumeRange& range) {
    if (!has_db(range)) return 1.0;
    const long steps = range.raw_max - range.raw_min;
    return steps > 0 ? (level_max(range) - level_min(range)) / static_cast<double>(steps) : 0.0;
}

}  // namespace ilmo::audio
