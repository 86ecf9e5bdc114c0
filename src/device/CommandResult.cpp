#include "CommandResult.h"

namespace ilmo::device::result {

const char* describe(int result) {
    switch (result) {
        case kOk: return "success";
        case kNoAnswer: return "no answer (channel closed or time-out)";
        case kWriteFailed: return "the request could not be written";
        case kReceiverAlone: return "the receiver answered: its device is not reachable";
        case kStatusError: return "the device answered with status 0xFF";
        case kStatusRefused: return "the device answered with status 0xFE";
        case kBadBank: return "table bank other than 0 refused";
        default: return "unknown result";
    }
}

}  // namespace ilmo::device::result
