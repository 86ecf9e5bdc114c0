#pragma once
// The keyboard page's system tab: key repeat, the keyboard's option flags and its polling
// rate, written into the page "function_page_system" of the keyboard layout.

#include "SettingsPageWriter.h"

namespace ilmo::skinart {

void write_keyboard_system_page(UiWriter& ui, const CaptionOf& caption);

}  // namespace ilmo::skinart
