#pragma once
// The levels of a block, computed with FFTW: the same levels as spectrum_levels() to within
// rounding of the last unit, in a quarter of the time. One analyser per thread that uses it
// (it owns its transform buffers).

#include <memory>

#include "capture/BlockCollector.h"
#include "capture/SpectrumLevels.h"

namespace ilmo::capture {

class SpectrumAnalyser {
public:
    SpectrumAnalyser();
    ~SpectrumAnalyser();
    SpectrumAnalyser(const SpectrumAnalyser&) = delete;
    SpectrumAnalyser& operator=(const SpectrumAnalyser&) = delete;

    SpectrumLevels levels(const SampleBlock& block);

    struct Plan;

private:
    std::unique_ptr<Plan> plan_;
};

}  // namespace ilmo::capture
