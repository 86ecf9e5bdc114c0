#include "shell/PresenceWorkers.h"

#include "lighting/SyncLighting.h"
#include "presence/DeviceJobs.h"
#include "presence/DevicePresence.h"
#include "presence/DeviceScanner.h"
#include "presence/WorkerTable.h"
#include "shell/UiThreadCall.h"

namespace ilmo::shell {

PresenceWorkers::PresenceWorkers(const ShellContext& context, presence::PresenceView& view,
                                 QObject* parent)
    : QObject(parent),
      context_(context),
      view_(view),
      sync_(std::make_shared<lighting::SyncLighting>(context.trace)) {}

PresenceWorkers::~PresenceWorkers() { stop(); }

void PresenceWorkers::start(Events events) {
    if (presence_ || stopped_) return;
    events_ = std::move(events);
    jobs_ = std::make_unique<presence::ThreadedDeviceJobs>([this](presence::DeviceJobs::Task done) {
        // Queued to this object: dropped with it, and ignored once stopping has begun.
        QMetaObject::invokeMethod(
            this, [this, done = std::move(done)] {
                if (!stopped_) done();
            },
            Qt::QueuedConnection);
    });
    workers_ = std::make_unique<presence::WorkerTable>(context_.trace);
    presence::DeviceScanner::Callbacks callbacks;
    callbacks.arrival = [this](int slot) {
        hand_over([this, slot] {
            presence_->arrival(slot);
            if (events_.devices_changed) events_.devices_changed();
        });
    };
    callbacks.removal = [this](int slot) {
        hand_over([this, slot] {
            presence_->removal(slot);
            if (events_.devices_changed) events_.devices_changed();
        });
    };
    callbacks.first_pass_done = [this] {
        hand_over([this] {
            if (events_.first_pass_done) events_.first_pass_done();
        });
    };
    const int scan_entry = presence::WorkerTable::kDeviceScanEntry;
    scanner_ = std::make_shared<presence::DeviceScanner>(
        *context_.backend, workers_->stop_event(scan_entry), std::move(callbacks), context_.trace);
    presence_ = std::make_unique<presence::DevicePresence>(view_, scanner_->slot_table(), *jobs_,
                                                           context_.trace);
    presence_->start();
    auto scanner = scanner_;
    workers_->start(
        scan_entry, [scanner](device::StopEvent&) { scanner->run(); },
        [scanner] { scanner->request_stop(); });
    const int sync_entry = presence::WorkerTable::kSyncLightingEntry;
    workers_->start(
        sync_entry, [sync = sync_](device::StopEvent& stop) { sync->run(stop); },
        [sync = sync_] { sync->wake(); });
}

void PresenceWorkers::hand_over(std::function<void()> work) {
    // Arrivals and removals are handled while the scan thread waits, so the slots it owns do
    // not change under the handler.
    run_on_ui_thread_and_wait(
        this,
        [this, work = std::move(work)] {
            if (!stopped_) work();
        },
        *workers_->stop_event(presence::WorkerTable::kDeviceScanEntry));
}

void PresenceWorkers::stop() {
    if (stopped_) return;
    stopped_ = true;
    if (workers_) workers_->stop_all();
    if (presence_) presence_->shutdown();
    if (jobs_) jobs_->stop();
}

}  // namespace ilmo::shell
