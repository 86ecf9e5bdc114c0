#include "presence/DeviceScanner.h"

namespace ilmo::presence {

namespace {

constexpr std::string_view kStoppedTrace = "抓取设备线程设定退出";
constexpr std::string_view kCannotListTrace =
    "device scan ends: the HID interfaces cannot be listed; arrivals are no longer seen";

// Identity and usage only: a probe must not disturb a device that another program uses.
const device::OpenOptions kProbe{false, false, false, false};

}  // namespace

DeviceScanner::DeviceScanner(device::HidBackend& backend, std::shared_ptr<StopEvent> stop,
                             Callbacks callbacks, device::TraceSink trace, int idle_wait_ms)
    : backend_(backend),
      stop_(std::move(stop)),
      callbacks_(std::move(callbacks)),
      trace_(std::move(trace)),
      idle_wait_ms_(idle_wait_ms) {}

DeviceScanner::PassOutcome DeviceScanner::scan_once() {
    PassOutcome outcome = PassOutcome::Settled;
    if (slots_.any_free()) {
        outcome = claim_arrivals();
        if (outcome == PassOutcome::EnumerationFailed) return outcome;
    }
    if (!first_pass_done_) {
        first_pass_done_ = true;
        if (callbacks_.first_pass_done) callbacks_.first_pass_done();
    }
    release_vanished();
    return outcome;
}

DeviceScanner::PassOutcome DeviceScanner::claim_arrivals() {
    std::vector<std::string> paths;
    if (!backend_.enumerate(paths)) return PassOutcome::EnumerationFailed;
    bool retry = false;
    for (const std::string& path : paths) {
        const auto from_path = device::parse_path_identity(path);
        if (!slots_.pre_match(from_path)) continue;
        // A path that opens but matches no row stays unmatched (its usage will not change);
        // one that does not open yet may well open shortly, once its access is granted.
        if (!probe(path, from_path)) retry = true;
    }
    return retry ? PassOutcome::RetrySoon : PassOutcome::Settled;
}

bool DeviceScanner::probe(const std::string& path, const device::PathIdentity& from_path) {
    std::optional<device::SlotMatch> match;
    {
        const auto handle = backend_.open(path, kProbe);
        if (!handle) return false;
        const device::OpenedIdentity opened{
            handle->attributes().vendor_id, handle->attributes().product_id,
            handle->collection().usage_page, handle->collection().usage};
        match = slots_.claim(path, from_path, opened);
    }  // the probe handle is closed before the controller opens the path for real
    if (match && callbacks_.arrival) callbacks_.arrival(match->slot);
    return true;
}

void DeviceScanner::release_vanished() {
    for (int slot = 0; slot < device::kSlotCount; ++slot) {
        if (!slots_.slot(slot).in_use || backend_.present(slots_.slot(slot).path)) continue;
        slots_.release(slot);
        if (callbacks_.removal) callbacks_.removal(slot);
    }
}

void DeviceScanner::run() {
    for (;;) {
        if (stop_->is_set()) {
            trace(kStoppedTrace);
            return;
        }
        const PassOutcome outcome = scan_once();
        if (outcome == PassOutcome::EnumerationFailed) {
            trace(kCannotListTrace);
            return;
        }
        // request_stop() wakes this wait, also when it comes before the wait begins.
        backend_.wait_for_change(outcome == PassOutcome::RetrySoon ? kRetryWaitMs : idle_wait_ms_);
    }
}

void DeviceScanner::request_stop() {
    stop_->set();
    backend_.wake();
}

}  // namespace ilmo::presence
