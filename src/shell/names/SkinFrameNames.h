#pragma once
// Controls of the skin frame, the popup that chooses the main window's background.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::skin_frame {

inline constexpr const char* kUiFile = "skin.xml";

// Page 0 holds the image thumbnails, page 1 the colour swatches.
inline constexpr const char* kSkinTab = "skin_tab";
// Every thumbnail carries this name; its image path is the dynamic property kImageProperty.
inline constexpr const char* kSkinImageBtn = "skin_image_btn";
// Every swatch carries this name; its colour ("#AARRGGBB") is the dynamic property
// kColorProperty, which also paints its background.
inline constexpr const char* kSkinColorBtn = "skin_color_btn";
inline constexpr const char* kSkinColor = "skin_color";
inline constexpr const char* kSkinImage = "skin_image";
inline constexpr const char* kSkinReset = "skin_reset";
inline constexpr const char* kSkinCustom = "skin_Custom";

inline constexpr const char* kImageProperty = "userdata";
inline constexpr const char* kColorProperty = "bkcolor";
// The background a reset returns to, relative to the skin folder.
inline constexpr const char* kDefaultImage = "common/background.png";

inline constexpr NamedControl kControls[] = {
    {kSkinTab, "QStackedWidget"},
    {kSkinImageBtn, "QAbstractButton"},
    {kSkinColorBtn, "QAbstractButton"},
    {kSkinColor, "QAbstractButton"},
    {kSkinImage, "QAbstractButton"},
    {kSkinReset, "QAbstractButton"},
    {kSkinCustom, "QAbstractButton"},
};

}  // namespace ilmo::shell::names::skin_frame
