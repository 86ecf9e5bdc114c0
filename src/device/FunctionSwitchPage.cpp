#include "device/FunctionSwitchPage.h"

namespace ilmo::device {

FunctionSwitchTabs function_switch_tabs(int page_type, DeviceKind kind) {
    constexpr int keep = FunctionSwitchTabs::kKeep;
    switch (page_type) {
        case 2:
        case 6: return {0, 1};
        case 7: return {0, 2};
        case 3:
        case 8: return {1, keep};
        case 5: return {2, keep};
        case 4:
            // The fourth function tab is the System tab. The keyboard's system options reach it
            // by cable only, so through its receiver it gets the key page instead. The mouse's
            // pointer settings are kept in the profile and never sent: its tab serves either
            // link.
            if (kind == DeviceKind::Keyboard || kind == DeviceKind::Mouse ||
                kind == DeviceKind::MouseReceiver)
                return {3, keep};
            return {0, 2};
        default: return {0, 0};
    }
}

}  // namespace ilmo::device
