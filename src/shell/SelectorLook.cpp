#include "shell/SelectorLook.h"

namespace ilmo::shell {

std::optional<names::device_option::KindLook> selector_look(device::DeviceKind kind,
                                                            device::InterfaceRole role_code) {
    namespace o = names::device_option;
    const int role = device::to_int(role_code);
    switch (device::to_int(kind)) {
        case 1: return o::kKeyboard;
        case 2: return o::kMouse;
        case 3:
            if (role == 1) return o::kSoftMousePad;
            if (role == 0) return o::kHardMousePad;
            return std::nullopt;
        case 4:
        case 7: return o::kHeadset;
        case 5: return o::kHub;
        default: return o::kUnknown;
    }
}

}  // namespace ilmo::shell
