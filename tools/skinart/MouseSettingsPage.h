#pragma once
// The mouse page's settings area, written into the page "function_page_dpi" of the mouse
// layout: an option bar over two pages, the DPI stages and the polling rate.

#include "SettingsPageWriter.h"

namespace ilmo::skinart {

void write_mouse_settings_page(UiWriter& ui, const CaptionOf& caption);

}  // namespace ilmo::skinart
