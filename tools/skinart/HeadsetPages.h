#pragma once
// The headset page's sound tabs: the equaliser with the user's curves and the microphone
// under the picture ("key_function_page_voice"), the voice changer under the picture
// ("key_function_page_magic"), and virtual surround in place of the picture
// ("function_page_virtual").

#include "SettingsPageWriter.h"

namespace ilmo::skinart {

void write_headset_voice_page(UiWriter& ui, const CaptionOf& caption);
void write_headset_magic_page(UiWriter& ui, const CaptionOf& caption);
void write_headset_surround_page(UiWriter& ui, const CaptionOf& caption);

}  // namespace ilmo::skinart
