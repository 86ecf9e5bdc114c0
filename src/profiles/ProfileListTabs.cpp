#include "profiles/ProfileListTabs.h"

namespace ilmo::profiles {

ProfileTabVisibility profile_tab_visibility(int device_kind) {
    using enum ProfileTab;
    switch (device_kind) {
        case 1:
            return {{Cursor}, {}};
        case 3:
        case 5:
            return {{Cursor, Macro, System, Key}, {}};
        case 4:
            return {{Cursor, Macro, Key}, {}};
        case 7:
            return {{Cursor, Macro, System, Key}, {Voice, Magic, Virtual71}};
        default:
            return {};
    }
}

}  // namespace ilmo::profiles
