#pragma once
// Results of every device operation: 1 success, 0 no answer, negatives for named failures.
// The values are the ones traces and the command line print, so they stay fixed.

#include <iosfwd>
#include <string>
#include <string_view>
#include <initializer_list>

namespace ilmo::device {

enum class [[nodiscard]] Result : int {
    kOk = 1,
    kNoAnswer = 0,           // channel not open, or nothing came within the time-out
    kWriteFailed = -1,       // the request could not be written
    kReceiverAlone = -101,   // the receiver answered for its absent device
    kStatusError = -102,     // the device answered status 0xFF
    kStatusRefused = -103,   // the device answered status 0xFE
    kBadBank = -201,         // a table write asked for a bank other than 0
};

constexpr bool succeeded(Result result) { return result == Result::kOk; }

// The first failure of a sequence of steps that all ran, or success.
constexpr Result first_failure(std::initializer_list<Result> outcomes) {
    for (const Result outcome : outcomes)
        if (!succeeded(outcome)) return outcome;
    return Result::kOk;
}

inline int code(Result result) { return static_cast<int>(result); }
const char* describe(Result result);
// "<what> failed: <description>", the one wording of a failed step in the traces.
std::string failure_trace(std::string_view what, Result result);
// Lets test failures print "-102 (the device answered with status 0xFF)".
void PrintTo(Result result, std::ostream* out);

}  // namespace ilmo::device
