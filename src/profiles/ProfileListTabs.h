#pragma once
// Which feature tabs of a device page suit its device kind. Tabs are given by their number,
// 1..8 in the page's order; the panel owns their control names.

#include <vector>

namespace ilmo::profiles {

enum class ProfileTab {
    Light = 1,  // "deng_Op_tab"
    Key,        // "key_Op_tab"
    Macro,      // "macro_Op_tab"
    System,     // "system_Op_tab"
    Cursor,     // "cursor_Op_tab" (DPI)
    Voice,      // "6533_voice_Op_tab"
    Magic,      // "magic_Op_tab"
    Virtual71,  // "Virtual7.1_Op_tab"
};

struct ProfileTabVisibility {
    std::vector<ProfileTab> hidden;
    std::vector<ProfileTab> shown;
    bool operator==(const ProfileTabVisibility&) const = default;
};

// Kind codes as the device tables give them, plus 4 and 5, which the panel also knows:
// 1 keyboard hides DPI; 3 mouse-pad and 5 hide DPI, macro, system and key; 4 hides DPI,
// macro and key; 7 headset hides the same four as 3 and shows its three audio tabs. Every
// other kind (the mice, the keyboard through its receiver) keeps all tabs as they are.
ProfileTabVisibility profile_tab_visibility(int device_kind);

}  // namespace ilmo::profiles
