#include "audio_real/ToneProbe.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <thread>
#include <vector>

namespace ilmo::audio::testing {
namespace {

constexpr uint32_t kRate_hz = 44100;
constexpr size_t kBlock = kRate_hz / 10;  // 100 ms
constexpr double kToneSeconds = 1.5;
constexpr double kRecordSeconds = 3.0;
constexpr double kAmplitude = 0.1;  // low enough that a +10 dB band does not clip

using Samples = std::vector<int16_t>;

pa_simple* open_stream(pa_stream_direction_t direction, const char* device, std::string& why) {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate_hz, 1};
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "ilmo audio test", direction, device, "probe", &spec,
                                      nullptr, nullptr, &error);
    if (!stream) why = std::string("stream refused: ") + pa_strerror(error);
    return stream;
}

Samples two_tones() {
    Samples tone(static_cast<size_t>(kToneSeconds * kRate_hz));
    for (size_t i = 0; i < tone.size(); ++i) {
        const double t = static_cast<double>(i) / kRate_hz;
        const double value = kAmplitude * (std::sin(2 * std::numbers::pi * kLowToneHz * t) +
                                           std::sin(2 * std::numbers::pi * kHighToneHz * t));
        tone[i] = static_cast<int16_t>(std::lround(value * 32767.0));
    }
    return tone;
}

// Power of one frequency in a Hann-windowed block (Goertzel).
double tone_power(const int16_t* block, size_t length, double frequency_hz) {
    const double w = 2 * std::numbers::pi * frequency_hz / kRate_hz;
    double s1 = 0;
    double s2 = 0;
    for (size_t i = 0; i < length; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (length - 1));
        const double s0 = block[i] * hann + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
}

double rms(const int16_t* block, size_t length) {
    double sum = 0;
    for (size_t i = 0; i < length; ++i) sum += static_cast<double>(block[i]) * block[i];
    return std::sqrt(sum / length);
}

}  // namespace

std::optional<ToneLevels> play_and_measure(const std::string& monitor_source, std::string& why) {
    pa_simple* recorder = open_stream(PA_STREAM_RECORD, monitor_source.c_str(), why);
    if (!recorder) return {};
    Samples recorded(static_cast<size_t>(kRecordSeconds * kRate_hz));
    std::thread recording([&] {
        int error = 0;
        pa_simple_read(recorder, recorded.data(), recorded.size() * sizeof(int16_t), &error);
    });
    pa_simple* player = open_stream(PA_STREAM_PLAYBACK, nullptr, why);
    if (player) {
        const Samples tone = two_tones();
        int error = 0;
        pa_simple_write(player, tone.data(), tone.size() * sizeof(int16_t), &error);
        pa_simple_drain(player, &error);
        pa_simple_free(player);
    }
    recording.join();
    pa_simple_free(recorder);
    if (!player) return {};

    // Only the blocks well inside the tone count: the edges hold silence and transients.
    const size_t blocks = recorded.size() / kBlock;
    double loudest = 0;
    for (size_t b = 0; b < blocks; ++b)
        loudest = std::max(loudest, rms(&recorded[b * kBlock], kBlock));
    double low = 0;
    double high = 0;
    int used = 0;
    for (size_t b = 1; b + 1 < blocks; ++b) {
        const auto loud = [&](size_t at) {
            return rms(&recorded[at * kBlock], kBlock) > 0.5 * loudest;
        };
        if (!loud(b - 1) || !loud(b) || !loud(b + 1)) continue;
        low += tone_power(&recorded[b * kBlock], kBlock, kLowToneHz);
        high += tone_power(&recorded[b * kBlock], kBlock, kHighToneHz);
        ++used;
    }
    if (loudest < 100 || used < 4 || low <= 0 || high <= 0) {
        why = "no tone came back from " + monitor_source;
        return {};
    }
    return ToneLevels{10 * std::log10(low / used), 10 * std::log10(high / used)};
}

}  // namespace ilmo::audio::testing
