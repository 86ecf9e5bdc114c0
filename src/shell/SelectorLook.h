#pragma once
// Which icons and name a device selector item shows for its page's kind and role.

#include <optional>

#include "device/DeviceTables.h"
#include "shell/names/DeviceOptionNames.h"

namespace ilmo::shell {

// nullopt where the item keeps no icons (a mouse-pad whose role is neither 0 nor 1). The
// looks also cover kind codes no supported product has (4, 5) and role 1 (a soft pad).
std::optional<names::device_option::KindLook> selector_look(device::DeviceKind kind,
                                                            device::InterfaceRole role);

}  // namespace ilmo::shell
