#pragma once
// The capture listener: what the recorder reports from its capture thread. Every call comes
// from that thread, one at a time; none comes after the recorder's stop() has returned.

#include <cstdint>
#include <vector>

#include "capture/CaptureFormat.h"

namespace ilmo::capture {

class IPlaybackCaptureEvent {
public:
    virtual ~IPlaybackCaptureEvent() = default;
    // The stream runs; packets arrive about every `period_ms`.
    virtual void started(int period_ms) = 0;
    // A stream that had started has ended (stopped, failed or left for another output).
    virtual void stopped() = 0;
    virtual void format(const CaptureFormat& record) = 0;
    // Interleaved 16-bit little-endian samples in the last format; a hole is zeros.
    virtual void data(std::vector<uint8_t> bytes) = 0;
    // The stream failed, the default output changed, or an attempt found no stream to run
    // (a start's first one included): whether capture should go on (the recorder then opens
    // a new stream after a pause that grows with each failure).
    virtual bool failed_or_changed() = 0;
};

}  // namespace ilmo::capture
