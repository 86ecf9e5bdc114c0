#pragma once
// The colours of the skin: near-black surfaces, light text and one accent. The style sheet
// (skin/style.qss) uses the same values; keep the two in step.

#include <QColor>

namespace ilmo::skinart {

inline constexpr QRgb kBackground = 0xFF0B0D10;
inline constexpr QRgb kSurface = 0xFF12151A;
inline constexpr QRgb kRaised = 0xFF1A1E25;
inline constexpr QRgb kBorder = 0xFF272C35;
inline constexpr QRgb kText = 0xFFE8EAED;
inline constexpr QRgb kTextDim = 0xFF8A929C;
inline constexpr QRgb kAccent = 0xFF1FB6FF;
inline constexpr QRgb kAccentDeep = 0xFF0B5F8C;
inline constexpr QRgb kDanger = 0xFFE5484D;
inline constexpr QRgb kGood = 0xFF3DDC84;

inline QColor color(QRgb argb, int alpha = -1) {
    QColor c = QColor::fromRgba(argb);
    if (alpha >= 0) c.setAlpha(alpha);
    return c;
}

}  // namespace ilmo::skinart
