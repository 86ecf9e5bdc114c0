#pragma once
// Controls of the settings window.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::set_wnd {

inline constexpr const char* kUiFile = "setwnd.xml";

inline constexpr const char* kLanguageCombo = "Language_combox_info";
inline constexpr const char* kCloseBtn = "closebtn";
inline constexpr const char* kLaterBtn = "laterbtn";
inline constexpr const char* kMinBtn = "minbtn";
inline constexpr const char* kMaxBtn = "maxbtn";
inline constexpr const char* kRestoreBtn = "restorebtn";
inline constexpr const char* kMenuBtn = "menubtn";
inline constexpr const char* kHomepageBtn = "homepage_btn";
// Empty container with a vertical layout; the update page is built into it.
inline constexpr const char* kUpdateArea = "setwnd_update_area";

inline constexpr NamedControl kControls[] = {
    {kLanguageCombo, "QComboBox"},
    {kCloseBtn, "QAbstractButton"},
    {kLaterBtn, "QAbstractButton"},
    {kMinBtn, "QAbstractButton"},
    {kMaxBtn, "QAbstractButton"},
    {kRestoreBtn, "QAbstractButton"},
    {kMenuBtn, "QAbstractButton"},
    {kHomepageBtn, "QAbstractButton"},
    {kUpdateArea, "QWidget"},
};

}  // namespace ilmo::shell::names::set_wnd
