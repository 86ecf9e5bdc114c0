#pragma once
// HID reports over one pollable file descriptor (a hidraw node, or a socket in tests), with
// an eventfd as the abort signal: abort() leaves it signalled, so the read or write that
// waits and every later one end at once. Reports cross the interface with the report id in
// byte 0, 0 when the collection uses none.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "device/HidReportDescriptor.h"
#include "platform/NodeCalls.h"
#include "platform/UniqueFd.h"

namespace ilmo::platform {

class ReportStream {
public:
    ReportStream(UniqueFd fd, const device::TopLevelCollection& collection,
                 std::shared_ptr<const NodeCalls> calls = system_node_calls());

    // False when the abort eventfd could not be made; such a stream must not be used.
    bool valid() const { return abort_fd_.valid(); }
    int fd() const { return fd_.get(); }

    // 1 with `transferred` set when one input report of the collection arrived; 0 on
    // time-out, abort or loss of the device. Reports of other collections are skipped.
    int read(std::span<uint8_t> report, size_t& transferred, int timeout_ms);
    // 1 when the whole report was written; 0 otherwise. Retries end at the time-out even on
    // a node that always claims to be writable.
    int write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms);
    void abort();
    bool aborted() const;

private:
    enum class Wait { Ready, Interrupted, TimedOut, Aborted, Gone };
    Wait wait_for(short events, int timeout_ms) const;
    bool wanted(std::span<const uint8_t> report) const;

    std::shared_ptr<const NodeCalls> calls_;
    UniqueFd fd_;
    UniqueFd abort_fd_;
    bool uses_report_ids_;
    std::bitset<256> input_ids_;
};

}  // namespace ilmo::platform
