#include "capture/FrequencyAnalyser.h"

#include <fftw3.h>

#include <complex>
#include <mutex>

namespace ilmo::capture {
namespace {

// FFTW's planner keeps global state; only running a plan may happen on several threads.
std::mutex planner_mutex;

std::span<std::complex<double>, kBlockValues> as_values(fftw_complex* buffer) {
    // FFTW documents its complex type as layout-compatible with std::complex<double>.
    return std::span<std::complex<double>, kBlockValues>(
        reinterpret_cast<std::complex<double>*>(buffer), kBlockValues);
}

}  // namespace

struct FrequencyAnalyser::Plan {
    fftw_complex* in = nullptr;
    fftw_complex* out = nullptr;
    fftw_plan plan = nullptr;
};

FrequencyAnalyser::FrequencyAnalyser() : plan_(std::make_unique<Plan>()) {
    std::lock_guard lock(planner_mutex);
    plan_->in = fftw_alloc_complex(kBlockValues);
    plan_->out = fftw_alloc_complex(kBlockValues);
    // The positive exponent, as in the levels' own transform. Estimated rather than measured:
    // the same plan on every run, made without a pause at start-up.
    plan_->plan =
        fftw_plan_dft_1d(kBlockValues, plan_->in, plan_->out, FFTW_BACKWARD, FFTW_ESTIMATE);
}

FrequencyAnalyser::~FrequencyAnalyser() {
    std::lock_guard lock(planner_mutex);
    fftw_destroy_plan(plan_->plan);
    fftw_free(plan_->in);
    fftw_free(plan_->out);
}

FrequencyLevels FrequencyAnalyser::levels(const SampleBlock& block) {
    transform_input(block, as_values(plan_->in));
    fftw_execute(plan_->plan);
    return levels_from_bins(as_values(plan_->out));
}

}  // namespace ilmo::capture
