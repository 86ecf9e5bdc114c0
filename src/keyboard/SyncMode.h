#pragma once
// One device joining synchronised lighting: each kind runs the common effect in a mode
// number of its own.

#include <optional>

#include "keyboard/LightingDevice.h"
#include "lighting/SyncState.h"

namespace ilmo::keyboard {

device::ControllerKind controller_kind(const device::CTavrinUSBDevice& device);

// `device`'s lighting in its own kind's mode for `type`, the rest kept; nothing for a kind
// that takes no part.
std::optional<device::LightRecord> sync_lighting_for(const LightingDevice& device,
                                                     lighting::SyncType type);

}  // namespace ilmo::keyboard
