#pragma once
// The in-place radix-2 transform the frequency levels are defined by: bit-reversal, then
// butterflies for block sizes 2, 4, … n, with each block's twiddle advanced by a recurrence
// from theta = 6.2831852 / block size. No window, no normalisation. The slightly short
// value of 2π is part of the definition: the levels are calibrated against it.

#include <complex>
#include <span>

namespace ilmo::capture {

// `values.size()` must be a power of two (1 leaves the value as it is).
void fft_in_place(std::span<std::complex<double>> values);

}  // namespace ilmo::capture
