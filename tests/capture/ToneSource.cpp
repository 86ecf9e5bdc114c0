#include "capture/ToneSource.h"

#include <pulse/simple.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace ilmo::capture::testing {

ToneSource::ToneSource(std::string server, std::string sink, double frequency_hz)
    : server_(std::move(server)), sink_(std::move(sink)), frequency_hz_(frequency_hz),
      thread_(&ToneSource::play, this) {}

ToneSource::~ToneSource() {
    stop_ = true;
    thread_.join();
}

void ToneSource::play() {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<uint32_t>(kSinkRateHz), kSinkChannels};
    // A short buffer: each write returns within a few milliseconds of the stop flag.
    pa_buffer_attr buffer{};
    buffer.maxlength = buffer.prebuf = buffer.minreq = static_cast<uint32_t>(-1);
    buffer.tlength = 4 * 441 * 4;  // 40 ms
    buffer.fragsize = static_cast<uint32_t>(-1);
    pa_simple* player = pa_simple_new(server_.c_str(), "capture test", PA_STREAM_PLAYBACK,
                                      sink_.c_str(), "tone", &spec, nullptr, &buffer, nullptr);
    if (!player) return;
    // Quiet enough that the peak stays below the level limit (amplitude × 16).
    constexpr double kAmplitude = 300;
    std::vector<int16_t> chunk(441 * kSinkChannels);
    for (uint64_t frame = 0; !stop_;) {
        for (size_t i = 0; i < chunk.size(); i += kSinkChannels, ++frame) {
            const double phase = 2 * std::numbers::pi * frequency_hz_ * frame / kSinkRateHz;
            const auto value = static_cast<int16_t>(std::lround(kAmplitude * std::sin(phase)));
            for (int channel = 0; channel < kSinkChannels; ++channel) chunk[i + channel] = value;
        }
        if (pa_simple_write(player, chunk.data(), chunk.size() * sizeof chunk[0], nullptr) < 0) {
            break;
        }
    }
    pa_simple_free(player);
}

}  // namespace ilmo::capture::testing
