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
// The peak of all tones together: low enough that a +10 dB lift does not clip.
constexpr double kTotalAmplitude = 0.2;

using Samples = std::vector<int16_t>;

pa_simple* open_stream(pa_stream_direction_t direction, const char* device, std::string& why) {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate_hz, 1};
    // Recorded sound comes in pieces of one block, not the server's default of seconds.
    pa_buffer_attr pieces{UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX,
                          static_cast<uint32_t>(kBlock * sizeof(int16_t))};
    int error = 0;
    pa_simple* stream =
        pa_simple_new(nullptr, "ilmo audio test", direction, device, "probe", &spec, nullptr,
                      direction == PA_STREAM_RECORD ? &pieces : nullptr, &error);
    if (!stream) why = std::string("stream refused: ") + pa_strerror(error);
    return stream;
}

Samples tones_together(std::span<const double> tones_hz) {
    Samples tone(static_cast<size_t>(kToneSeconds * kRate_hz));
    const double amplitude = kTotalAmplitude / static_cast<double>(tones_hz.size());
    for (size_t i = 0; i < tone.size(); ++i) {
        const double t = static_cast<double>(i) / kRate_hz;
        double value = 0;
        for (double hz : tones_hz) value += amplitude * std::sin(2 * std::numbers::pi * hz * t);
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

std::optional<ToneLevels> play_and_measure(const std::string& monitor_source,
                                           std::span<const double> tones_hz, std::string& why) {
    pa_simple* recorder = open_stream(PA_STREAM_RECORD, monitor_source.c_str(), why);
    if (!recorder) return {};
    Samples recorded(static_cast<size_t>(kRecordSeconds * kRate_hz));
    std::thread recording([&] {
        int error = 0;
        pa_simple_read(recorder, recorded.data(), recorded.size() * sizeof(int16_t), &error);
    });
    pa_simple* player = open_stream(PA_STREAM_PLAYBACK, nullptr, why);
    if (player) {
        const Samples tone = tones_together(tones_hz);
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
    std::vector<double> power(tones_hz.size(), 0.0);
    int used = 0;
    for (size_t b = 1; b + 1 < blocks; ++b) {
        const auto loud = [&](size_t at) {
            return rms(&recorded[at * kBlock], kBlock) > 0.5 * loudest;
        };
        if (!loud(b - 1) || !loud(b) || !loud(b + 1)) continue;
        for (size_t t = 0; t < tones_hz.size(); ++t) {
            power[t] += tone_power(&recorded[b * kBlock], kBlock, tones_hz[t]);
        }
        ++used;
    }
    if (loudest < 100 || used < 4 || std::ranges::any_of(power, [](double p) { return p <= 0; })) {
        why = "no tone came back from " + monitor_source;
        return {};
    }
    ToneLevels levels;
    for (double p : power) levels.push_back(10 * std::log10(p / used));
    return levels;
}

}  // namespace ilmo::audio::testing
