#pragma once

class QFont;
class QString;
class QWidget;

namespace ilmo::shell::ui {

// The font identifiers the skin refers to with the dynamic property "fontid" (int).
// Sizes are in pixels, as the layouts are drawn in pixels.
inline constexpr int kDefaultFontId = -1;

// The font of an identifier in the given family; unknown identifiers get the default font
// (the family at 14 px).
QFont font_for(int font_id, const QString& family);

// root gets the default font, which its children inherit; every widget under it with a
// "fontid" gets that font.
void apply_fonts(QWidget* root, const QString& family);

}  // namespace ilmo::shell::ui
