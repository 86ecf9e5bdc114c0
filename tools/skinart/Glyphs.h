#pragma once
// Line icons, drawn on a 24 x 24 grid and scaled into any box, so every button, tab and
// badge of the skin shares one stroke weight and one look.

#include <QColor>
#include <QRectF>

class QPainter;

namespace ilmo::skinart {

enum class Glyph {
    Close, Minimise, Maximise, Restore, Skin, GameMode, Cloud, SmartEyes, Settings, Menu,
    Previous, Next, Add, Remove, Copy, Import, Export, Reset, Save, Spread, Default,
    Sync, Wireless, Plug, Bolt, Battery, Lighting, Keys, Macro, System, Dpi, Equaliser,
    Voice, Surround, Home,
};

void draw_glyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& color);

}  // namespace ilmo::skinart
