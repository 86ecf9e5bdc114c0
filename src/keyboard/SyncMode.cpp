#include "keyboard/SyncMode.h"

namespace ilmo::keyboard {

device::ControllerKind controller_kind(const device::CTavrinUSBDevice& device) {
    return device::controller_for(device.option().kind);
}

std::optional<device::LightRecord> sync_lighting_for(const LightingDevice& device,
                                                     lighting::SyncType type) {
    const int mode = lighting::sync_mode_for(controller_kind(device), type);
    if (mode < 0) return std::nullopt;
    device::LightRecord record = device.lighting();
    record.mode = static_cast<uint8_t>(mode);
    return record;
}

}  // namespace ilmo::keyboard
