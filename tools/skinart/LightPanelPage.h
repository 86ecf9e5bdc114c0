#pragma once
// The lighting tab under every device picture ("key_function_page_light"): the lighting
// panel with the effect, its brightness, speed and direction, and the colour; the keyboard's
// adds the per-key colours, the keyboard's and the mouse's the music lighting.

#include "SettingsPageWriter.h"

namespace ilmo::skinart {

void write_keyboard_light_page(UiWriter& ui, const CaptionOf& caption);
void write_mouse_light_page(UiWriter& ui, const CaptionOf& caption);
// The mouse-pad's and the headset's.
void write_plain_light_page(UiWriter& ui, const CaptionOf& caption);

}  // namespace ilmo::skinart
