#include "device/CommandResult.h"

#include <ostream>

namespace ilmo::device {

const char* describe(Result result) {
    switch (result) {
        case Result::kOk: return "success";
        case Result::kNoAnswer: return "no answer (channel closed or time-out)";
        case Result::kWriteFailed: return "the request could not be written";
        case Result::kReceiverAlone: return "the receiver answered: its device is not reachable";
        case Result::kStatusError: return "the device answered with status 0xFF";
        case Result::kStatusRefused: return "the device answered with status 0xFE";
        case Result::kBadBank: return "table bank other than 0 refused";
    }
    return "unknown result";
}

std::string failure_trace(std::string_view what, Result result) {
    return std::string(what) + " failed: " + describe(result);
}

void PrintTo(Result result, std::ostream* out) {
    *out << code(result) << " (" << describe(result) << ")";
}

}  // namespace ilmo::device
