#pragma once
// A stand-in for the registered window: keeps every notice it is handed, and lets a test wait
// (with a generous bound, as a hang guard) for one that matches.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "capture/CaptureWindow.h"

namespace ilmo::capture::testing {

class NoticeQueue final : public CaptureWindow {
public:
    void copy_data(CopyData notice) override {
        std::lock_guard lock(mutex_);
        notices_.push_back(std::move(notice));
        arrived_.notify_all();
    }

    std::vector<CopyData> taken() {
        std::lock_guard lock(mutex_);
        return notices_;
    }

    // The first notice from now on that `matches`; empty after `limit`.
    std::optional<CopyData> wait_for(const std::function<bool(const CopyData&)>& matches,
                                     std::chrono::seconds limit = std::chrono::seconds(30)) {
        std::unique_lock lock(mutex_);
        size_t seen = notices_.size();
        std::optional<CopyData> found;
        arrived_.wait_for(lock, limit, [&] {
            for (; seen < notices_.size() && !found; ++seen) {
                if (matches(notices_[seen])) found = notices_[seen];
            }
            return found.has_value();
        });
        return found;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<CopyData> notices_;
};

// The levels of a levels notice, decoded from their little-endian bytes.
inline std::vector<int32_t> notice_levels(const CopyData& notice) {
    std::vector<int32_t> levels;
    for (size_t at = 0; at + 3 < notice.bytes.size(); at += 4) {
        levels.push_back(static_cast<int32_t>(notice.bytes[at] | notice.bytes[at + 1] << 8 |
                                              notice.bytes[at + 2] << 16 |
                                              static_cast<uint32_t>(notice.bytes[at + 3]) << 24));
    }
    return levels;
}

template <class Levels>
int peak_bin(const Levels& levels) {
    return static_cast<int>(std::max_element(levels.begin(), levels.end()) - levels.begin());
}

}  // namespace ilmo::capture::testing
