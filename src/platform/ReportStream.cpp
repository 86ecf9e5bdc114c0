#include "platform/ReportStream.h"

#include <sys/eventfd.h>

#include <cerrno>
#include <chrono>

namespace ilmo::platform {

namespace {

using Clock = std::chrono::steady_clock;

// One time-out over every retry of a read or write; -1 is "no limit".
class Deadline {
public:
    explicit Deadline(int timeout_ms)
        : unlimited_(timeout_ms < 0),
          end_(Clock::now() + std::chrono::milliseconds(unlimited_ ? 0 : timeout_ms)) {}

    int remaining_ms() const {
        if (unlimited_) return -1;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end_ - Clock::now());
        return left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }
    bool passed() const { return !unlimited_ && Clock::now() >= end_; }

private:
    bool unlimited_;
    Clock::time_point end_;
};

// The node refused only for now (or a signal came): worth another try before the deadline.
bool transient(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

}  // namespace

ReportStream::ReportStream(UniqueFd fd, const device::TopLevelCollection& collection,
                           std::shared_ptr<const NodeCalls> calls)
    : calls_(std::move(calls)),
      fd_(std::move(fd)),
      abort_fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      uses_report_ids_(collection.uses_report_ids) {
    for (const device::ReportInfo& report : collection.reports) {
        if (report.direction == device::ReportDirection::Input) input_ids_.set(report.id);
    }
}

void ReportStream::abort() {
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(abort_fd_.get(), &one, sizeof one);
}

bool ReportStream::aborted() const {
    pollfd abort_poll{abort_fd_.get(), POLLIN, 0};
    return ::poll(&abort_poll, 1, 0) > 0;
}

ReportStream::Wait ReportStream::wait_for(short events, int timeout_ms) const {
    pollfd fds[2] = {{abort_fd_.get(), POLLIN, 0}, {fd_.get(), events, 0}};
    const int ready = calls_->poll(fds, 2, timeout_ms);
    if (ready < 0) return errno == EINTR ? Wait::Interrupted : Wait::Gone;
    if (ready == 0) return Wait::TimedOut;
    if (fds[0].revents != 0) return Wait::Aborted;
    // Data still queued before a hang-up is delivered first; the read then sees the end.
    if ((fds[1].revents & events) != 0) return Wait::Ready;
    return Wait::Gone;
}

bool ReportStream::wanted(std::span<const uint8_t> report) const {
    return !uses_report_ids_ || (!report.empty() && input_ids_.test(report[0]));
}

int ReportStream::read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) {
    transferred = 0;
    if (report.empty() || !fd_.valid()) return 0;
    // A node without report ids delivers bare data; byte 0 is kept for the id 0.
    const std::span<uint8_t> target = uses_report_ids_ ? report : report.subspan(1);
    const Deadline deadline(timeout_ms);
    for (;;) {
        const Wait wait = wait_for(POLLIN, deadline.remaining_ms());
        if (wait == Wait::Ready) {
            const ssize_t got = calls_->read(fd_.get(), target.data(), target.size());
            if (got == 0) return 0;  // end of file: the node went away
            if (got > 0 && wanted(target.first(static_cast<size_t>(got)))) {
                if (!uses_report_ids_) report[0] = 0;
                transferred = static_cast<size_t>(got) + (uses_report_ids_ ? 0 : 1);
                return 1;
            }
            // Another collection's report was taken off the queue: look again, even past
            // the deadline, as long as more is waiting.
            if (got > 0) continue;
            if (!transient(errno)) return 0;
        } else if (wait != Wait::Interrupted) {
            return 0;
        }
        if (deadline.passed()) return 0;
    }
}

int ReportStream::write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) {
    transferred = 0;
    if (report.empty() || !fd_.valid()) return 0;
    // hidraw takes the id in byte 0 even for unnumbered reports (it drops a 0 there), which
    // is the form the caller already uses.
    const Deadline deadline(timeout_ms);
    for (;;) {
        const Wait wait = wait_for(POLLOUT, deadline.remaining_ms());
        if (wait == Wait::Ready) {
            const ssize_t sent = calls_->write(fd_.get(), report.data(), report.size());
            if (sent >= 0) {
                transferred = static_cast<size_t>(sent);
                return transferred == report.size() ? 1 : 0;
            }
            if (!transient(errno)) return 0;
        } else if (wait != Wait::Interrupted) {
            return 0;
        }
        if (deadline.passed()) return 0;
    }
}

}  // namespace ilmo::platform
