#pragma once
// The format record of a capture stream: always 16-bit signed little-endian PCM, with the
// sample rate and channel count of the output being listened to.

#include <cstdint>
#include <optional>

namespace ilmo::capture {

struct CaptureFormat {
    uint32_t sample_rate_hz = 0;
    int channels = 0;
    int bits_per_sample = 16;
    int block_align_bytes = 0;  // channels × 2
    uint32_t bytes_per_second = 0;

    bool operator==(const CaptureFormat&) const = default;
};

// The 16-bit record for an output of this rate and channel count; empty when no 16-bit
// stream can carry it (no channels, more than the sound server allows, no or absurd rate).
std::optional<CaptureFormat> sixteen_bit_format(uint32_t sample_rate_hz, int channels);

}  // namespace ilmo::capture
