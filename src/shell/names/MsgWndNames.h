#pragma once
// Controls of the modal message box.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::msg_wnd {

inline constexpr const char* kUiFile = "XML_MSG";

inline constexpr const char* kMessageTitle = "MessageTitle";
inline constexpr const char* kMessageText = "MessageText";
inline constexpr const char* kConfirmBtn = "confirm_btn";
inline constexpr const char* kCancelBtn = "cancel_btn";
inline constexpr const char* kCloseBtn = "closebtn";

inline constexpr NamedControl kControls[] = {
    {kMessageTitle, "QLabel"},
    {kMessageText, "QLabel"},
    {kConfirmBtn, "QAbstractButton"},
    {kCancelBtn, "QAbstractButton"},
    {kCloseBtn, "QAbstractButton"},
};

}  // namespace ilmo::shell::names::msg_wnd
