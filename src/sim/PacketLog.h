#pragma once
// Every output report the emulated products received, for tests to assert on, and counters
// that keep counting while recording is off (long benchmark runs). Thread-safe.

#include <cstdint>
#include <mutex>
#include <vector>

#include "sim/SimProduct.h"

namespace ilmo::sim {

struct LoggedReport {
    SimProduct product = SimProduct::Keyboard;
    int interface_number = 0;
    int collection_number = 0;   // 1-based index in the interface's descriptor
    bool control_pipe = false;   // sent as a synchronous output report, not an interrupt write
    std::vector<uint8_t> bytes;  // report id first, padded to the report's length
};

struct TrafficCounters {
    int64_t reports_received = 0;
    int64_t answers_sent = 0;
};

class PacketLog {
public:
    void record(LoggedReport report);
    void count_answer(SimProduct product);

    std::vector<LoggedReport> reports() const;
    std::vector<LoggedReport> reports_of(SimProduct product) const;
    void clear();  // forgets the reports and zeroes the counters
    void set_recording(bool on);

    TrafficCounters counters(SimProduct product) const;

private:
    mutable std::mutex mutex_;
    std::vector<LoggedReport> reports_;
    std::vector<TrafficCounters> counters_ = std::vector<TrafficCounters>(kAllProducts.size());
    bool recording_ = true;
};

}  // namespace ilmo::sim
