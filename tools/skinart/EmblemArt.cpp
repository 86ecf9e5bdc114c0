#include "EmblemArt.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "ArtSink.h"
#include "SkinPalette.h"

namespace ilmo::skinart {

namespace {

QPolygonF hexagon(QPointF centre, double radius) {
    QPolygonF hex;
    for (int k = 0; k < 6; ++k) {
        const double a = qDegreesToRadians(60.0 * k - 90.0);
        hex << centre + QPointF(radius * qCos(a), radius * qSin(a));
    }
    return hex;
}

// A hexagon with a lit edge and a bolt-like "R" stroke: readable from 16 px up.
QImage app_icon(int size) {
    QImage image = canvas({size, size}, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(0x1C, 0x20, 0x27));
    g.setColorAt(1, QColor(0x0A, 0x0C, 0x0F));
    p.setPen(QPen(color(kBorder).lighter(140), 1));
    p.setBrush(g);
    p.drawPath(tile);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color(kAccent, 70), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(hexagon({32, 32}, 19));
    p.setPen(QPen(color(kAccent), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(hexagon({32, 32}, 19));
    p.setPen(QPen(color(kText), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{26, 43}, {26, 22}, {35, 22}}));
    QPainterPath bowl;
    bowl.moveTo(35, 22);
    bowl.cubicTo(42, 22, 42, 32, 35, 32);
    bowl.lineTo(27, 32);
    p.drawPath(bowl);
    p.setPen(QPen(color(kAccent), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(32, 33), QPointF(39, 43));
    return image;
}

// A cable whose plug hangs free of its socket.
QImage no_device() {
    QImage image = canvas({160, 110});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient halo(QPointF(80, 56), 70);
    halo.setColorAt(0, color(kAccent, 36));
    halo.setColorAt(1, color(kAccent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(80, 56), 78, 54);

    const QPen line(color(kTextDim), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(QColor(0x17, 0x1A, 0x1F));
    p.drawRoundedRect(QRectF(100, 34, 34, 42), 6, 6);  // socket
    p.drawLine(QPointF(110, 48), QPointF(110, 58));
    p.drawLine(QPointF(124, 48), QPointF(124, 58));
    p.drawLine(QPointF(134, 55), QPointF(154, 55));

    p.drawRoundedRect(QRectF(44, 38, 26, 34), 6, 6);  // plug
    p.drawLine(QPointF(70, 48), QPointF(80, 48));
    p.drawLine(QPointF(70, 62), QPointF(80, 62));
    QPainterPath cable;
    cable.moveTo(44, 55);
    cable.cubicTo(28, 55, 30, 88, 6, 90);
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    p.setPen(QPen(color(kAccent), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 40), QPointF(92, 33));
    p.drawLine(QPointF(90, 55), QPointF(97, 55));
    p.drawLine(QPointF(88, 70), QPointF(92, 77));
    return image;
}

QImage slider_thumb(bool current) {
    QImage image = canvas({16, 16}, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(current ? color(kText) : color(kTextDim), 2));
    p.setBrush(current ? color(kAccent) : color(kRaised));
    p.drawEllipse(QRectF(2, 2, 12, 12));
    return image;
}

QImage seven_colours() {
    QImage image = canvas({40, 40}, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QConicalGradient wheel(QPointF(20, 20), 90);
    const QRgb hues[] = {0xFFFF0000, 0xFFFF8A00, 0xFFFFE600, 0xFF00D84A,
                         0xFF00C8FF, 0xFF2F5BFF, 0xFFB23CFF, 0xFFFF0000};
    for (int i = 0; i < 8; ++i) wheel.setColorAt(i / 7.0, QColor::fromRgba(hues[i]));
    p.setPen(Qt::NoPen);
    p.setBrush(wheel);
    p.drawRoundedRect(QRectF(0, 0, 40, 40), 6, 6);
    return image;
}

}  // namespace

void draw_emblems(ArtSink& sink) {
    sink.save(app_icon(256), QStringLiteral("common/app_icon.png"));
    sink.save(app_icon(64), QStringLiteral("common/tray_icon.png"));
    sink.save(no_device(), QStringLiteral("common/no_device.png"));
    sink.save(slider_thumb(true), QStringLiteral("Control/SliderBar1_Thumb.png"));
    sink.save(slider_thumb(false), QStringLiteral("Control/SliderBar2_Thumb.png"));
    sink.save(seven_colours(), QStringLiteral("common/base1.png"));
}

}  // namespace ilmo::skinart
