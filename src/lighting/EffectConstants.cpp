#include "lighting/EffectConstants.h"

#include <cstddef>

namespace ilmo::lighting {

namespace {

constexpr int kSegmentSize = 32;
constexpr std::array<uint8_t, kSegmentSize> kRise{
    1,  3,  5,  7,   10,  14,  18,  22,  26,  32,  38,  44,  50,  57,  65,  73,
    81, 89, 99, 109, 119, 129, 140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<uint8_t, kSegmentSize> kFall{
    248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77,
    69,  61,  53,  47,  41,  35,  29,  24,  20,  16,  12,  8,   6,   4,  2,  0};

// Six segments: red to yellow, to green, to cyan, to blue, to magenta, back to red.
constexpr std::array<device::Rgb, kSpectrumSize + 1> make_spectrum() {
    std::array<device::Rgb, kSpectrumSize + 1> colors{};
    for (int k = 0; k < kSegmentSize; ++k) {
        const uint8_t u = kRise[static_cast<size_t>(k)];
        const uint8_t d = kFall[static_cast<size_t>(k)];
        const std::array<device::Rgb, 6> at{
            {{255, u, 0}, {d, 255, 0}, {0, 255, u}, {0, d, 255}, {u, 0, 255}, {255, 0, d}}};
        for (int s = 0; s < 6; ++s) colors[static_cast<size_t>(s * kSegmentSize + k)] = at[s];
    }
    colors[kSpectrumSize] = colors[0];
    return colors;
}

// A curve that rises through `rise` and falls back through it in reverse.
template <size_t N>
constexpr std::array<uint8_t, 2 * N> rise_and_fall(const std::array<uint8_t, N>& rise) {
    std::array<uint8_t, 2 * N> curve{};
    for (size_t i = 0; i < N; ++i) {
        curve[i] = rise[i];
        curve[2 * N - 1 - i] = rise[i];
    }
    return curve;
}

constexpr std::array<uint8_t, kBreathingSteps / 2> kBreathingRise{
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  14,  16,  18,  20,
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr std::array<uint8_t, kPadBreathingSteps / 2> kPadBreathingRise{
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr int wrap(int index, int size) {
    const int r = index % size;
    return r < 0 ? r + size : r;
}

}  // namespace

const std::array<device::Rgb, kSpectrumSize + 1> kSpectrum = make_spectrum();
const std::array<uint8_t, kBreathingSteps> kBreathingCurve = rise_and_fall(kBreathingRise);
const std::array<uint8_t, kPadBreathingSteps> kPadBreathingCurve = rise_and_fall(kPadBreathingRise);

device::Rgb spectrum_color(int index) {
    return kSpectrum[static_cast<size_t>(wrap(index, kSpectrumSize))];
}

uint8_t breathing_factor(int step) {
    return kBreathingCurve[static_cast<size_t>(wrap(step, kBreathingSteps))];
}

uint8_t pad_breathing_factor(int step) {
    return kPadBreathingCurve[static_cast<size_t>(wrap(step, kPadBreathingSteps))];
}

device::Rgb four_color(int index) {
    return kFourColors[static_cast<size_t>(wrap(index, kFourColorCount))];
}

int next_step(int step, int limit, bool up) {
    if (limit <= 0) return 0;
    if (up) return (step < 0 || step + 1 >= limit) ? 0 : step + 1;
    return (step <= 0 || step > limit) ? limit - 1 : step - 1;
}

}  // namespace ilmo::lighting
