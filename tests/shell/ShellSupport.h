#pragma once
// A main window over the emulator, built from the assembled program folder, for tests that
// drive the real window the way the tray program does.

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "shell/CMainWnd.h"
#include "shell/SessionService.h"
#include "shell/SkinResources.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::shell::testing {

// The program folder the build assembled (ILMO_PROGRAM_FOLDER).
QString program_folder();

struct RigOptions {
    device::TraceSink trace;   // called from every thread of the window
    bool system_tray = false;  // whether the desktop is taken to offer a tray
};

class ShellRig {
public:
    explicit ShellRig(RigOptions options = {});
    ~ShellRig();

    sim::SimBus& bus() { return *bus_; }
    std::shared_ptr<sim::SimBus> shared_bus() { return bus_; }
    CMainWnd& window() { return *window_; }
    SkinResources& skin() { return *skin_; }
    QString user_data_folder() const { return user_data_.path(); }
    // Waits until the window has handled the scan's slot changes after a plug or unplug.
    void settle();
    // Destroys the window (as the end of the program does); window() is gone afterwards.
    void destroy_window() { window_.reset(); }

private:
    QTemporaryDir user_data_;  // every rig starts with no profiles
    std::shared_ptr<sim::SimBus> bus_;
    std::unique_ptr<sim::SimBackend> backend_;
    std::unique_ptr<SkinResources> skin_;
    SessionService session_;
    std::unique_ptr<CMainWnd> window_;
};

}  // namespace ilmo::shell::testing
