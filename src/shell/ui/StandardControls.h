#pragma once

namespace ilmo::shell::ui {

class ControlFactory;
class SkinPaths;

// Adds the custom controls of this library under their layout class names:
// "DeviceKeyButton", "SelectPanel", "CircleProgress", "HandImgButton",
// "HandImgSelectButton", "ColorPalette". Image buttons find their images through paths.
void register_standard_controls(ControlFactory& factory, const SkinPaths& paths);

}  // namespace ilmo::shell::ui
