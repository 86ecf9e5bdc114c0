#pragma once
// The beat of the music lighting's ripple: each set of band values adds how loud the bands
// are on average (0 for silence, 25 when every band is at the top of the scale), and when
// the beats add up to a threshold a ripple starts and the count begins again.

#include <cstdint>
#include <span>

namespace ilmo::lighting {

class BeatRipple {
public:
    static constexpr int kFireAt = 71;
    // Where on the keyboard the ripple starts (a page key index).
    static constexpr int kRippleKey = 51;

    // The beat of the first 25 values: 25 − a × 25 / 600, a the mean of their capped heights.
    static int beat_of(std::span<const int> bands);
    // Adds the beat of `bands`; true when the sum reached kFireAt (it then starts at 0 again).
    bool add(std::span<const int> bands);
    int64_t accumulated() const { return accumulated_; }

private:
    int64_t accumulated_ = 0;
};

}  // namespace ilmo::lighting
