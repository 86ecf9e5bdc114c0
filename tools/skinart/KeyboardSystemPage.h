#pragma once
// The keyboard page's system tab: key repeat, the keyboard's option flags and its polling
// rate, written into the page "function_page_system" of the keyboard layout.

#include <QString>
#include <functional>

namespace ilmo::skinart {

class UiWriter;

// The wording a layout shows for a language key before any language is applied.
using CaptionOf = std::function<QString(const QString& language_key)>;

void write_keyboard_system_page(UiWriter& ui, const CaptionOf& caption);

}  // namespace ilmo::skinart
