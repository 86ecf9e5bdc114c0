#pragma once
// Controls of the profile panel, built into every device page under kPanelItem. The panel
// also holds the page's feature tabs.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::profile_panel {

inline constexpr const char* kUiFile = "XML\\CustomControlXML\\DeviceProfile.xml";
// Layout class that stands for this sub-layout, and its name inside each page.
inline constexpr const char* kPanelClass = "DeviceProfileUI";
inline constexpr const char* kPanelItem = "DeviceProfileItem";

inline constexpr const char* kProfileCombo = "device_profile_combo";
inline constexpr const char* kProfileNameEdit = "device_profile_name_edit";
// Container of the profile buttons below; "profile_fun_spread_btn" shows and hides it.
inline constexpr const char* kProfileMenuLayout = "profile_menu_layout";
inline constexpr const char* kSpreadBtn = "profile_fun_spread_btn";
inline constexpr const char* kAddBtn = "device_add_btn";
inline constexpr const char* kSubBtn = "device_sub_btn";
inline constexpr const char* kExportBtn = "device_export_btn";
inline constexpr const char* kImportBtn = "device_import_btn";
inline constexpr const char* kCopyBtn = "device_copy_btn";
inline constexpr const char* kResetBtn = "device_reset_btn";
inline constexpr const char* kEditSaveBtn = "device_profile_edit_save_btn";
inline constexpr const char* kDefaultBtn = "default_btn";

// Feature tabs in the order of their numbers 1..8. The last three are hidden until the
// panel learns that its device is a headset.
inline constexpr const char* kLightTab = "deng_Op_tab";
inline constexpr const char* kKeyTab = "key_Op_tab";
inline constexpr const char* kMacroTab = "macro_Op_tab";
inline constexpr const char* kSystemTab = "system_Op_tab";
inline constexpr const char* kCursorTab = "cursor_Op_tab";
inline constexpr const char* kVoiceTab = "6533_voice_Op_tab";
inline constexpr const char* kMagicTab = "magic_Op_tab";
inline constexpr const char* kVirtualTab = "Virtual7.1_Op_tab";

inline constexpr const char* kTabs[] = {kLightTab,  kKeyTab,   kMacroTab, kSystemTab,
                                        kCursorTab, kVoiceTab, kMagicTab, kVirtualTab};

inline constexpr NamedControl kControls[] = {
    {kProfileCombo, "QComboBox"},
    {kProfileNameEdit, "QLineEdit"},
    {kProfileMenuLayout, "QWidget"},
    {kSpreadBtn, "QAbstractButton"},
    {kAddBtn, "QAbstractButton"},
    {kSubBtn, "QAbstractButton"},
    {kExportBtn, "QAbstractButton"},
    {kImportBtn, "QAbstractButton"},
    {kCopyBtn, "QAbstractButton"},
    {kResetBtn, "QAbstractButton"},
    {kEditSaveBtn, "QAbstractButton"},
    {kDefaultBtn, "QAbstractButton"},
    {kLightTab, "QAbstractButton"},
    {kKeyTab, "QAbstractButton"},
    {kMacroTab, "QAbstractButton"},
    {kSystemTab, "QAbstractButton"},
    {kCursorTab, "QAbstractButton"},
    {kVoiceTab, "QAbstractButton"},
    {kMagicTab, "QAbstractButton"},
    {kVirtualTab, "QAbstractButton"},
};

}  // namespace ilmo::shell::names::profile_panel
