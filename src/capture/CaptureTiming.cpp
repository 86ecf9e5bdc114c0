#include "capture/CaptureTiming.h"

#include <algorithm>

namespace ilmo::capture {

uint32_t fragment_bytes(const CaptureFormat& format, std::chrono::milliseconds length) {
    const uint64_t frames =
        std::max<uint64_t>(1, uint64_t{format.sample_rate_hz} * length.count() / 1000);
    return static_cast<uint32_t>(frames * static_cast<uint64_t>(format.block_align_bytes));
}

int period_ms(const CaptureFormat& format, uint32_t fragment_size_bytes) {
    if (format.bytes_per_second == 0) return 1;
    const uint64_t ms = uint64_t{fragment_size_bytes} * 1000 / format.bytes_per_second;
    return static_cast<int>(std::clamp<uint64_t>(ms, 1, 60'000));
}

std::chrono::milliseconds RestartBackoff::next() {
    const auto pause = next_;
    next_ = std::min(next_ * 2, kLongest);
    return pause;
}

bool EmptyPacketCounter::count_empty() {
    // The counter is checked before it advances: the 32nd empty packet finds 31 there.
    if (count_ > kCheckAfter - 2) {
        count_ = 0;
        return true;
    }
    ++count_;
    return false;
}

}  // namespace ilmo::capture
