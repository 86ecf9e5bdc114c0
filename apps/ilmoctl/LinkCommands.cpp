#include "LinkCommands.h"

#include "DeviceReport.h"
#include "InterfaceListing.h"

namespace ilmo::ctl {

namespace {

bool is_command_slot(int slot) {
    return device::kSupportedInterfaces[static_cast<size_t>(slot)].role ==
           device::InterfaceRole::Command;
}

// Without the list of interfaces nothing can be said of any device: the listing says why.
bool listed(const DeviceSession& session, const Output& output) {
    if (session.survey().listed) return true;
    output.err << format_interface_listing(session.survey());
    return false;
}

}  // namespace

int run_list(const DeviceSession& session, const Output& output) {
    if (!listed(session, output)) return kExitDeviceError;
    output.out << format_interface_listing(session.survey());
    return kExitOk;
}

int run_info(DeviceSession& session, std::optional<int> only_slot, const Output& output) {
    if (!listed(session, output)) return kExitDeviceError;
    const device::SlotTable& slots = session.slots();
    if (only_slot && !slots.occupied(*only_slot))
        return output.fail(kExitDeviceError, "slot " + std::to_string(*only_slot) + ": no device");
    if (only_slot && !is_command_slot(*only_slot))
        return output.fail(kExitUsage, "slot " + std::to_string(*only_slot) +
                                           " is an event interface; ask for its command slot");
    std::vector<int> wanted;
    for (int slot = 0; slot < device::kSlotCount; ++slot)
        if (only_slot ? slot == *only_slot : is_command_slot(slot) && slots.occupied(slot))
            wanted.push_back(slot);
    if (wanted.empty()) {
        output.out << "No supported device is connected.\n";
        return kExitDeviceError;
    }
    int exit_code = kExitOk;
    for (const int slot : wanted) {
        const DeviceReport report =
            read_device_report(session.backend(), slots, slot, session.trace());
        output.out << format_device_report(report);
        if (!report.ok()) exit_code = kExitDeviceError;
    }
    return exit_code;
}

int run_detect(const DeviceSession& session, const Output& output) {
    if (!listed(session, output)) return kExitDeviceError;
    for (int slot = 0; slot < device::kSlotCount; ++slot)
        if (session.slots().occupied(slot)) return kExitOk;
    return kExitDeviceError;
}

}  // namespace ilmo::ctl
