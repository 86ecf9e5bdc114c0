#pragma once
// One device joining synchronised lighting: each kind runs the common effect in a mode
// number of its own.

#include <optional>

#include "keyboard/LightingDevice.h"
#include "lighting/SyncState.h"

namespace ilmo::keyboard {

device::ControllerKind controller_kind(const device::CTavrinUSBDevice& device);

// Puts `device` in its kind's mode for `type`, keeping the rest of its lighting, and saves its
// profile; nothing is sent. False when its kind takes no part or the save failed.
bool take_sync_mode(LightingDevice& device, lighting::SyncType type);

}  // namespace ilmo::keyboard
