#pragma once
// What the windows need from the program around them: its folders, the HID backend the
// devices are reached through, the trace sink, and the emulated bus when running a demo.

#include <QString>
#include <memory>
#include <optional>

#include "device/HidBackend.h"
#include "device/Trace.h"

namespace ilmo::sim {
class SimBus;
}

namespace ilmo::shell {

struct ShellContext {
    QString program_folder;
    QString user_data_folder;
    device::HidBackend* backend = nullptr;
    device::TraceSink trace;
    std::shared_ptr<sim::SimBus> demo_bus;  // set when the devices are emulated
    // Whether the desktop offers a system tray; unset: the desktop is asked.
    std::optional<bool> system_tray;
};

}  // namespace ilmo::shell
