#include "capture/Fft.h"

#include <cmath>
#include <utility>

namespace ilmo::capture {
namespace {

void bit_reverse(std::span<std::complex<double>> values) {
    const size_t n = values.size();
    for (size_t i = 0, j = 0; i < n; ++i) {
        if (i < j) std::swap(values[i], values[j]);
        size_t bit = n >> 1;
        for (; bit > 0 && (j & bit); bit >>= 1) j ^= bit;
        j |= bit;
    }
}

}  // namespace

void fft_in_place(std::span<std::complex<double>> values) {
    const size_t n = values.size();
    bit_reverse(values);
    for (size_t block = 2; block <= n; block <<= 1) {
        const double theta = 6.2831852 / static_cast<double>(block);
        const double half_sin = std::sin(theta / 2);
        // w ← w + w·(−2 sin²(θ/2) + i sin θ): a rotation by θ without a sine per step.
        const std::complex<double> step(-2.0 * half_sin * half_sin, std::sin(theta));
        std::complex<double> w(1.0, 0.0);
        const size_t half = block / 2;
        for (size_t k = 0; k < half; ++k) {
            for (size_t top = k; top < n; top += block) {
                const std::complex<double> lower = w * values[top + half];
                values[top + half] = values[top] - lower;
                values[top] += lower;
            }
            w += w * step;
        }
    }
}

}  // namespace ilmo::capture
