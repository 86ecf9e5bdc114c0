#pragma once
// Controls of a device selector item, and the icons and kind names it shows.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::device_option {

inline constexpr const char* kUiFile = "XML\\CustomControlXML\\DeviceOption.xml";

// Checkable image button; the item binds it to its page in "device_switch".
inline constexpr const char* kDeviceSelect = "device_select";
// The device's choice to take part in synchronised lighting.
inline constexpr const char* kSynchroDeviceSelect = "synchro_device_select";
// Label under the icon showing the kind name (its "langkey" is one of the *NameText keys).
inline constexpr const char* kDeviceSelectName = "device_select_name";

// Exclusive group of all "device_select" options of the main window.
inline constexpr const char* kOptionGroup = "tab_header_device";

// Icons: kIconFolder + stem + one of the suffixes, relative to the skin folder.
inline constexpr const char* kIconFolder = "common/device_ico/";
inline constexpr const char* kNormalSuffix = "_normal.png";
inline constexpr const char* kSelectedSuffix = "_selected.png";
inline constexpr const char* kSynchroNormalSuffix = "_synchro_normal.png";
inline constexpr const char* kSynchroSelectedSuffix = "_synchro_selected.png";

struct KindLook {
    const char* stem;
    const char* name_text;  // language key
};
inline constexpr KindLook kKeyboard{"kb_device", "kb_device_name_text"};
inline constexpr KindLook kMouse{"ms_device", "ms_device_name_text"};
inline constexpr KindLook kSoftMousePad{"soft_mp_device", "soft_mp_device_name_text"};
inline constexpr KindLook kHardMousePad{"hard_mp_device", "hard_mp_device_name_text"};
inline constexpr KindLook kHeadset{"hd_device", "hd_device_name_text"};
inline constexpr KindLook kHub{"hub_device", "hub_device_name_text"};
inline constexpr KindLook kUnknown{"unknow_device", "unknow_device_name_text"};

inline constexpr KindLook kKindLooks[] = {kKeyboard, kMouse, kSoftMousePad, kHardMousePad,
                                          kHeadset, kHub, kUnknown};

inline constexpr NamedControl kControls[] = {
    {kDeviceSelect, "QAbstractButton"},
    {kSynchroDeviceSelect, "QAbstractButton"},
    {kDeviceSelectName, "QLabel"},
};

}  // namespace ilmo::shell::names::device_option
