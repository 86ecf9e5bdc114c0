#pragma once
// Controls of the colour dialog: a palette, twenty preset and twenty collected swatches, a
// preview, the red, green and blue edits and the seven-colour option.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::pallet_dialog {

inline constexpr const char* kUiFile = "PalletDialog.xml";
inline constexpr const char* kWindowClass = "ColorSelectWnd";
inline constexpr int kWidth = 800;
inline constexpr int kHeight = 572;

inline constexpr const char* kPallet = "Pallet";
// Followed by 0-19.
inline constexpr const char* kPresetPrefix = "color_option_";
inline constexpr const char* kCollectedPrefix = "collect_color_option_";
inline constexpr const char* kPreviewBtn = "color_show_btn";
// Red, green, blue.
inline constexpr const char* kEdits[] = {"color_edit_r", "color_edit_g", "color_edit_b"};
inline constexpr const char* kSevenColor = "7color";
inline constexpr const char* kSevenColorLayout = "7color_layout";
inline constexpr const char* kSevenColorCollect = "7color_collect";
inline constexpr const char* kSevenColorImage = "common/base1.png";
inline constexpr const char* kOkBtn = "okbtn";
inline constexpr const char* kCloseBtn = "closebtn";
inline constexpr const char* kMinBtn = "minbtn";
inline constexpr const char* kMaxBtn = "maxbtn";
inline constexpr const char* kRestoreBtn = "restorebtn";

inline constexpr NamedControl kControls[] = {
    {kPallet, "ilmo::shell::ui::CColorPaletteUI"},
    {kPreviewBtn, "QAbstractButton"},
    {kEdits[0], "QLineEdit"},
    {kEdits[1], "QLineEdit"},
    {kEdits[2], "QLineEdit"},
    {kSevenColor, "QAbstractButton"},
    {kSevenColorLayout, "QWidget"},
    {kSevenColorCollect, "QWidget"},
    {kOkBtn, "QAbstractButton"},
    {kCloseBtn, "QAbstractButton"},
    {kMinBtn, "QAbstractButton"},
    {kMaxBtn, "QAbstractButton"},
    {kRestoreBtn, "QAbstractButton"},
};

}  // namespace ilmo::shell::names::pallet_dialog
