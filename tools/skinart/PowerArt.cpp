#include "PowerArt.h"

#include <QPainter>
#include <QPainterPath>

#include "ArtSink.h"
#include "Glyphs.h"
#include "SkinPalette.h"

namespace ilmo::skinart {

namespace {

constexpr QSize kBadge{24, 24};

QImage glyph_image(Glyph glyph, const QColor& c) {
    QImage image = canvas(kBadge);
    QPainter p(&image);
    draw_glyph(p, glyph, QRectF(QPointF(0, 0), QSizeF(kBadge)), c);
    return image;
}

enum class Phone { Notched, PunchHole, HomeButton, None };

QImage phone(Phone kind) {
    QImage image = canvas(kBadge);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool none = kind == Phone::None;
    QPen pen(none ? color(kTextDim) : color(kText), 1.6);
    if (none) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    const QRectF body(6.5, 2.5, 11, 19);
    p.drawRoundedRect(body, kind == Phone::PunchHole ? 3.5 : 2.5, kind == Phone::PunchHole ? 3.5 : 2.5);
    p.setPen(QPen(none ? color(kTextDim) : color(kAccent), 1.6, Qt::SolidLine, Qt::RoundCap));
    switch (kind) {
        case Phone::Notched: p.drawLine(QPointF(10.5, 4.8), QPointF(13.5, 4.8)); break;
        case Phone::PunchHole: p.drawPoint(QPointF(12, 5.2)); break;
        case Phone::HomeButton: p.drawEllipse(QPointF(12, 18.6), 1.2, 1.2); break;
        case Phone::None: p.drawLine(QPointF(4, 21), QPointF(20, 3)); break;
    }
    return image;
}

}  // namespace

void draw_power_images(ArtSink& sink) {
    sink.save(glyph_image(Glyph::Battery, color(kTextDim)), QStringLiteral("power/powered.png"));
    sink.save(glyph_image(Glyph::Bolt, color(kGood)), QStringLiteral("power/powering.png"));
    sink.save(glyph_image(Glyph::Plug, color(kAccent)), QStringLiteral("power/power.png"));
    sink.save(glyph_image(Glyph::Wireless, color(kAccent)), QStringLiteral("power/wireless.png"));
    sink.save(phone(Phone::Notched), QStringLiteral("power/Phone_type_iphone.png"));
    sink.save(phone(Phone::PunchHole), QStringLiteral("power/Phone_type_samsung.png"));
    sink.save(phone(Phone::HomeButton), QStringLiteral("power/Phone_type_other.png"));
    sink.save(phone(Phone::None), QStringLiteral("power/Phone_type_no_device.png"));
}

}  // namespace ilmo::skinart
