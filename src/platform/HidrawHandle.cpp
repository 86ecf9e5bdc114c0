#include "platform/HidrawHandle.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace ilmo::platform {

namespace {

// How long the fallback write of set_output_report may wait for the node to take it.
constexpr int kOutputReportTimeoutMs = 1000;

}  // namespace

HidrawHandle::HidrawHandle(UniqueFd node, const device::HidAttributes& attributes,
                           device::TopLevelCollection collection,
                           std::shared_ptr<const NodeCalls> calls)
    : attributes_(attributes),
      collection_(std::move(collection)),
      stream_(std::move(node), collection_, std::move(calls)) {}

int HidrawHandle::read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) {
    return stream_.read(report, transferred, timeout_ms);
}

int HidrawHandle::write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) {
    return stream_.write(report, transferred, timeout_ms);
}

int HidrawHandle::set_output_report(std::span<const uint8_t> report) {
    if (report.empty() || stream_.aborted()) return 0;
#ifdef HIDIOCSOUTPUT
    // The control pipe, as a SET_REPORT request; kernels before 6.x do not know the ioctl.
    std::vector<uint8_t> buffer(report.begin(), report.end());
    if (::ioctl(stream_.fd(), HIDIOCSOUTPUT(buffer.size()), buffer.data()) >= 0) return 1;
    if (errno != EINVAL && errno != ENOTTY && errno != ENOSYS) return 0;
#endif
    size_t transferred = 0;
    return stream_.write(report, transferred, kOutputReportTimeoutMs);
}

void HidrawHandle::abort() {
    stream_.abort();
}

}  // namespace ilmo::platform
