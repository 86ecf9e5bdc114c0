#include "capture/CaptureFormat.h"

#include <pulse/sample.h>

namespace ilmo::capture {

std::optional<CaptureFormat> sixteen_bit_format(uint32_t sample_rate_hz, int channels) {
    if (channels < 1 || channels > static_cast<int>(PA_CHANNELS_MAX)) return std::nullopt;
    if (sample_rate_hz < 1 || sample_rate_hz > PA_RATE_MAX) return std::nullopt;
    CaptureFormat format;
    format.sample_rate_hz = sample_rate_hz;
    format.channels = channels;
    format.block_align_bytes = channels * 2;
    format.bytes_per_second = sample_rate_hz * static_cast<uint32_t>(format.block_align_bytes);
    return format;
}

}  // namespace ilmo::capture
