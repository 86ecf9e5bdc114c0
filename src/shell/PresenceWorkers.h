#pragma once
// The main window's background work and its life: the worker table with the device scan and
// synchronised lighting, device presence, and the threads that device work runs on. The scan hands every slot change
// to the UI thread and waits until it has been handled; device work hands back what it found
// without anyone waiting. Stopping ends all of it before the pages and their controllers go.

#include <QObject>
#include <functional>
#include <memory>

#include "presence/PresenceView.h"
#include "shell/ShellContext.h"

namespace ilmo::presence {
class DevicePresence;
class DeviceScanner;
class ThreadedDeviceJobs;
class WorkerTable;
}  // namespace ilmo::presence

namespace ilmo::lighting {
class SyncLighting;
}

namespace ilmo::shell {

class PresenceWorkers : public QObject {
    Q_OBJECT
public:
    // Called on the UI thread.
    struct Events {
        std::function<void()> devices_changed;  // an arrival or removal has been handled
        std::function<void()> first_pass_done;  // the first complete scan, found or not
    };

    PresenceWorkers(const ShellContext& context, presence::PresenceView& view,
                    QObject* parent = nullptr);
    ~PresenceWorkers() override;

    // Creates the device pages, then starts the scan.
    void start(Events events);
    // Stops the scan, closes every device's channels and waits for the device work still
    // running; nothing it found is applied any more. Safe to call again.
    void stop();

    // nullptr before start().
    presence::DevicePresence* presence() const { return presence_.get(); }
    // Exists from construction, so pages made while presence starts can join it.
    lighting::SyncLighting& sync_lighting() { return *sync_; }

private:
    // Runs `work` on the UI thread while the scan thread waits for it.
    void hand_over(std::function<void()> work);

    ShellContext context_;
    presence::PresenceView& view_;
    Events events_;
    bool stopped_ = false;
    std::unique_ptr<presence::ThreadedDeviceJobs> jobs_;
    std::unique_ptr<presence::WorkerTable> workers_;
    std::shared_ptr<lighting::SyncLighting> sync_;
    std::shared_ptr<presence::DeviceScanner> scanner_;
    std::unique_ptr<presence::DevicePresence> presence_;
};

}  // namespace ilmo::shell
