#pragma once
// Which icons and name a device selector item shows for its page's kind and role.

#include <optional>

#include "shell/names/DeviceOptionNames.h"

namespace ilmo::shell {

// nullopt where the item keeps no icons (a mouse-pad whose role is neither 0 nor 1).
std::optional<names::device_option::KindLook> selector_look(int kind, int role);

}  // namespace ilmo::shell
