#include "lighting/BandStore.h"

#include <algorithm>
#include <utility>

namespace ilmo::lighting {

void BandStore::store(std::span<const int> values) {
    BandValues kept{};
    std::copy_n(values.begin(), std::min(values.size(), kept.size()), kept.begin());
    std::lock_guard lock(mutex_);
    values_ = kept;
    fresh_ = true;
}

std::optional<BandValues> BandStore::take() {
    std::lock_guard lock(mutex_);
    if (!fresh_) return std::nullopt;
    fresh_ = false;
    return std::exchange(values_, BandValues{});
}

void BandStore::clear() {
    std::lock_guard lock(mutex_);
    values_ = {};
    fresh_ = false;
}

bool BandStore::fresh() const {
    std::lock_guard lock(mutex_);
    return fresh_;
}

BandValues BandStore::stored() const {
    std::lock_guard lock(mutex_);
    return values_;
}

}  // namespace ilmo::lighting
