#pragma once
// The levels of a block, computed with FFTW: the same levels as frequency_levels() to within
// rounding of the last unit, in a quarter of the time. One analyser per thread that uses it
// (it owns its transform buffers).

#include <memory>

#include "capture/BlockCollector.h"
#include "capture/FrequencyLevels.h"

namespace ilmo::capture {

class FrequencyAnalyser {
public:
    FrequencyAnalyser();
    ~FrequencyAnalyser();
    FrequencyAnalyser(const FrequencyAnalyser&) = delete;
    FrequencyAnalyser& operator=(const FrequencyAnalyser&) = delete;

    FrequencyLevels levels(const SampleBlock& block);

    struct Plan;

private:
    std::unique_ptr<Plan> plan_;
};

}  // namespace ilmo::capture
