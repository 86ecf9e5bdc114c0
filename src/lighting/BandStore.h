#pragma once
// The music bands between the audio path and the music mode. The audio path stores the
// newest values from its own thread; the lighting thread takes them once per step, so each
// value is shown once. A fixed array behind a small lock: nothing is allocated per step.

#include <mutex>
#include <optional>
#include <span>

#include "lighting/KeyboardEffects.h"

namespace ilmo::lighting {

class BandStore {
public:
    // Keeps the first 25 values; bands not given are 0.
    void store(std::span<const int> values);
    // The values stored since the last take, which empties the store; nothing when none came.
    std::optional<BandValues> take();
    void clear();
    // Values were stored since the last take.
    bool fresh() const;
    // What is stored and not yet taken; zeros when nothing is.
    BandValues stored() const;

private:
    mutable std::mutex mutex_;
    BandValues values_{};
    bool fresh_ = false;
};

}  // namespace ilmo::lighting
