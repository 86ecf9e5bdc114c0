#pragma once
// Results of every device operation: 1 success, 0 no answer, negatives for named failures.

namespace ilmo::device::result {

constexpr int kOk = 1;
constexpr int kNoAnswer = 0;          // channel not open, or nothing came within the time-out
constexpr int kWriteFailed = -1;      // the request could not be written
constexpr int kReceiverAlone = -101;  // the receiver answered for its absent device
constexpr int kStatusError = -102;    // the device answered status 0xFF
constexpr int kStatusRefused = -103;  // the device answered status 0xFE
constexpr int kBadBank = -201;        // a table write asked for a bank other than 0

const char* describe(int result);

}  // namespace ilmo::device::result
