#include "DeviceIconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

#include "ArtSink.h"
#include "Glyphs.h"
#include "SkinPalette.h"

namespace ilmo::skinart {

namespace {

constexpr QSize kIconSize{88, 52};

using Silhouette = std::function<void(QPainter&)>;

void keyboard(QPainter& p) {
    p.drawRoundedRect(QRectF(12, 13, 64, 27), 4, 4);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 9; ++col)
            p.drawPoint(QPointF(18.5 + col * 6.4, 19 + row * 5.2));
    p.drawLine(QPointF(30, 35), QPointF(58, 35));
}

void mouse(QPainter& p) {
    QPainterPath body;
    body.moveTo(44, 6);
    body.cubicTo(56, 6, 58, 18, 58, 28);
    body.cubicTo(58, 40, 52, 47, 44, 47);
    body.cubicTo(36, 47, 30, 40, 30, 28);
    body.cubicTo(30, 18, 32, 6, 44, 6);
    p.drawPath(body);
    p.drawLine(QPointF(44, 6.5), QPointF(44, 20));
    p.drawLine(QPointF(44, 12), QPointF(44, 15.5));
    p.drawLine(QPointF(30.5, 21), QPointF(57.5, 21));
}

void soft_pad(QPainter& p) {
    QPainterPath pad;
    pad.moveTo(14, 12);
    pad.lineTo(74, 12);
    pad.lineTo(74, 33);
    pad.cubicTo(74, 38, 70, 41, 64, 41);
    pad.lineTo(14, 41);
    pad.closeSubpath();
    p.drawPath(pad);
    p.drawLine(QPointF(64, 41), QPointF(68, 34));
    p.drawLine(QPointF(68, 34), QPointF(74, 33));
}

void hard_pad(QPainter& p) {
    p.drawRoundedRect(QRectF(12, 11, 64, 31), 4, 4);
    p.drawRoundedRect(QRectF(17, 16, 54, 21), 2, 2);
    p.drawEllipse(QPointF(63, 21.5), 3, 3);
}

void headset(QPainter& p) {
    QPainterPath band;
    band.moveTo(28, 30);
    band.cubicTo(26, 4, 62, 4, 60, 30);
    p.drawPath(band);
    p.drawRoundedRect(QRectF(22, 26, 11, 18), 5, 5);
    p.drawRoundedRect(QRectF(55, 26, 11, 18), 5, 5);
    QPainterPath boom;
    boom.moveTo(27, 44);
    boom.cubicTo(28, 49, 36, 49, 41, 47);
    p.drawPath(boom);
}

void hub(QPainter& p) {
    p.drawRoundedRect(QRectF(22, 16, 44, 20), 4, 4);
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(28 + i * 9, 22.5, 5, 7));
    p.drawLine(QPointF(66, 26), QPointF(78, 26));
}

void unknown(QPainter& p) {
    p.drawRoundedRect(QRectF(30, 8, 28, 36), 6, 6);
    QPainterPath mark;
    mark.moveTo(39.5, 20);
    mark.cubicTo(39.5, 14, 48.5, 14, 48.5, 20);
    mark.cubicTo(48.5, 24, 44, 24, 44, 29);
    p.drawPath(mark);
    p.drawPoint(QPointF(44, 35));
}

QImage icon(const Silhouette& draw, bool selected, bool synchro) {
    QImage image = canvas(kIconSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (selected) {
        // An oval glow: a round gradient drawn squashed, so it fades out on every side.
        QRadialGradient glow(QPointF(0, 0), 40);
        glow.setColorAt(0, color(kAccent, 70));
        glow.setColorAt(1, color(kAccent, 0));
        p.save();
        p.translate(44, 28);
        p.scale(1.0, 0.62);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(0, 0), 40, 40);
        p.restore();
    }
    p.setPen(QPen(selected ? color(kAccent) : color(kTextDim), 2.0, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(selected ? color(kAccent, 28) : QColor(Qt::transparent));
    draw(p);
    if (synchro) {
        p.setPen(QPen(color(kAccent), 1.2));
        p.setBrush(color(kBackground));
        p.drawEllipse(QRectF(66, 2, 18, 18));
        draw_glyph(p, Glyph::Sync, QRectF(69.5, 5.5, 11, 11), color(kAccent));
    }
    return image;
}

}  // namespace

void draw_device_icons(ArtSink& sink) {
    const std::pair<const char*, Silhouette> stems[] = {
        {"kb_device", keyboard}, {"ms_device", mouse},   {"soft_mp_device", soft_pad},
        {"hard_mp_device", hard_pad}, {"hd_device", headset}, {"hub_device", hub},
        {"unknow_device", unknown},
    };
    for (const auto& [stem, draw] : stems) {
        const QString base = QStringLiteral("common/device_ico/") + stem;
        sink.save(icon(draw, false, false), base + "_normal.png");
        sink.save(icon(draw, true, false), base + "_selected.png");
        sink.save(icon(draw, false, true), base + "_synchro_normal.png");
        sink.save(icon(draw, true, true), base + "_synchro_selected.png");
    }
}

}  // namespace ilmo::skinart
