#pragma once
// What the capture side hands to the one window that listens to it: copy-data notices with
// the frequency levels, and notices that capture is starting or stopping.

#include <cstdint>
#include <vector>

namespace ilmo::capture {

// Notice numbers of the copy-data notices.
inline constexpr int kLevelsNotice = 1, kStoppingNotice = 3, kStartingNotice = 4;
inline constexpr int kLevelCount = 500;
inline constexpr uint32_t kLevelsBytes = 2000;  // 500 signed 32-bit little-endian levels

struct CopyData {
    int number = 0;
    uint32_t byte_count = 0;
    std::vector<uint8_t> bytes;
};

// The registered window. Called on the capture thread; the window queues the notice to its
// own thread (it must not block). Bytes travel by value.
class CaptureWindow {
public:
    virtual ~CaptureWindow() = default;
    virtual void copy_data(CopyData notice) = 0;
};

}  // namespace ilmo::capture
