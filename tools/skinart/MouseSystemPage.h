#pragma once
// The mouse page's system tab: pointer speed and precision, the wheel and the double-click
// time, written into the page "function_page_system" of the mouse layout.

#include "SettingsPageWriter.h"

namespace ilmo::skinart {

void write_mouse_system_page(UiWriter& ui, const CaptionOf& caption);

}  // namespace ilmo::skinart
