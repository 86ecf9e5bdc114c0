#include "PictureArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <QtMath>

#include "ArtSink.h"
#include "KeyboardLayout.h"
#include "PictureGeometry.h"
#include "SkinPalette.h"

namespace ilmo::skinart {

namespace {

// A soft shadow: the shape drawn a few times, larger and fainter each time.
void shadow(QPainter& p, const QPainterPath& shape, QPointF offset) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 18));
        p.drawPath(shape.translated(offset));
        p.setPen(QPen(QColor(0, 0, 0, 10), i * 2.0));
        p.drawPath(shape.translated(offset));
        p.setPen(Qt::NoPen);
    }
    p.restore();
}

QLinearGradient body_gradient(const QRectF& r, QRgb top, QRgb bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, color(top));
    g.setColorAt(1, color(bottom));
    return g;
}

// A dark channel the lights sit in, with a faint accent glow so the picture reads as lit
// even before the device sends colours.
void light_channel(QPainter& p, const QPainterPath& path, double width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color(kAccent, 40), width + 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(0x07, 0x08, 0x0a), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.restore();
}

// A device body standing on the page: its shadow, then the body with a fine rim.
void raised_body(QPainter& p, const QRectF& body, double radius, const QBrush& fill) {
    QPainterPath outline;
    outline.addRoundedRect(body, radius, radius);
    shadow(p, outline, {0, 6});
    p.setPen(QPen(color(kBorder).lighter(118), 1.2));
    p.setBrush(fill);
    p.drawPath(outline);
}

QImage keyboard_picture() {
    QImage image = canvas(kPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF board = keyboard_case_rect();
    raised_body(p, board, 16, body_gradient(board, 0xFF23272E, 0xFF14171C));
    // A thin accent line along the top edge marks the board's front.
    p.setPen(QPen(color(kAccent, 120), 1.4));
    p.drawLine(QPointF(board.left() + 40, board.top() + 1.5), QPointF(board.right() - 40, board.top() + 1.5));

    QRect plate;
    for (const KeyPlace& key : keyboard_keys())
        if (key.shown) plate = plate.united(key.rect);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(QColor(0x0D, 0x0F, 0x12));
    p.drawRoundedRect(QRectF(plate).adjusted(-6, -6, 6, 6), 6, 6);

    QPainterPath strip;
    const QRectF groove = keyboard_strip_rect();
    strip.moveTo(groove.left() + groove.height() / 2, groove.center().y());
    strip.lineTo(groove.right() - groove.height() / 2, groove.center().y());
    light_channel(p, strip, groove.height());

    p.setPen(Qt::NoPen);
    for (const QPoint& lamp : keyboard_indicator_lamps()) {
        p.setBrush(color(kAccent, 60));
        p.drawEllipse(lamp, 5, 5);
        p.setBrush(color(kAccent));
        p.drawEllipse(lamp, 2, 2);
    }
    return image;
}

void leader_lines(QPainter& p) {
    p.save();
    const double left_elbow = mouse_select_rect().left() - 18.0;
    const double right_elbow = mouse_select_rect().right() + 18.0;
    for (const MouseKey& key : mouse_keys()) {
        const bool left = key.callout.center().x() < kPictureSize.width() / 2;
        const QPointF start(left ? key.callout.right() + 4 : key.callout.left() - 4,
                            key.callout.center().y());
        const QPointF elbow(left ? left_elbow : right_elbow, start.y());
        p.setPen(QPen(QColor(0x3A, 0x41, 0x4B), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({start, elbow, QPointF(key.anchor)}));
        p.setPen(Qt::NoPen);
        p.setBrush(color(kAccent));
        p.drawEllipse(QPointF(key.anchor), 2.6, 2.6);
        p.setBrush(QColor(0x3A, 0x41, 0x4B));
        p.drawEllipse(start, 2, 2);
    }
    p.restore();
}

QImage mouse_picture() {
    QImage image = canvas(kPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = mouse_outline();
    shadow(p, body, {0, 5});

    QRadialGradient sheen(QPointF(kPictureSize.width() / 2.0 - 20, 90), 190);
    sheen.setColorAt(0, QColor(0x2B, 0x30, 0x38));
    sheen.setColorAt(1, QColor(0x12, 0x14, 0x18));
    p.setPen(QPen(color(kBorder).lighter(130), 1.4));
    p.setBrush(sheen);
    p.drawPath(body);

    // Flank channels under lights 0-6 and 7-13, and the logo well of light 14.
    const std::vector<QRect> lights = mouse_lights();
    QPainterPath left, right;
    left.moveTo(lights[0].center());
    right.moveTo(lights[13].center());
    for (int i = 1; i < 7; ++i) {
        left.lineTo(lights[i].center());
        right.lineTo(lights[13 - i].center());
    }
    light_channel(p, left, 10);
    light_channel(p, right, 10);
    p.setPen(QPen(color(kAccent, 50), 4));
    p.setBrush(QColor(0x07, 0x08, 0x0A));
    p.drawEllipse(QRectF(lights[14]).adjusted(-4, -4, 4, 4));

    p.setPen(QPen(QColor(0x05, 0x06, 0x08), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouse_button_split());
    const QRectF wheel = mouse_wheel_rect();
    p.setPen(QPen(QColor(0x05, 0x06, 0x08), 1.5));
    p.setBrush(QColor(0x1E, 0x22, 0x28));
    p.drawRoundedRect(wheel, 7, 7);
    p.setPen(QPen(QColor(0x3A, 0x40, 0x48), 1));
    for (double y = wheel.top() + 7; y < wheel.bottom() - 5; y += 5)
        p.drawLine(QPointF(wheel.left() + 4, y), QPointF(wheel.right() - 4, y));
    p.setPen(QPen(QColor(0x05, 0x06, 0x08), 1.2));
    p.setBrush(QColor(0x24, 0x28, 0x2F));
    for (const QRect& button : mouse_small_buttons()) p.drawRoundedRect(button, 3, 3);

    leader_lines(p);
    return image;
}

// Fine diagonal weave for the pad's cloth.
void cloth(QPainter& p, const QPainterPath& area) {
    p.save();
    p.setClipPath(area);
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    const QRectF r = area.boundingRect();
    for (double x = r.left() - r.height(); x < r.right(); x += 4)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
}

QImage pad_picture() {
    QImage image = canvas(kPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF pad = pad_rect();
    raised_body(p, pad, 22, QColor(0x1B, 0x1F, 0x25));

    QPainterPath surface;
    surface.addRoundedRect(pad.adjusted(18, 18, -18, -18), 10, 10);
    QLinearGradient g(pad.topLeft(), pad.bottomRight());
    g.setColorAt(0, QColor(0x15, 0x18, 0x1D));
    g.setColorAt(1, QColor(0x0D, 0x0F, 0x12));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(surface);
    cloth(p, surface);

    QPainterPath rim;
    rim.addRoundedRect(pad.adjusted(9, 9, -9, -9), 14, 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color(kAccent, 45), 8));
    p.drawPath(rim);
    p.setPen(QPen(QColor(0x07, 0x08, 0x0A), 4));
    p.drawPath(rim);

    const QPointF charger = pad_charger_centre();
    const int radius = pad_charger_radius();
    p.setPen(QPen(QColor(0x2E, 0x34, 0x3D), 1.4));
    for (int ring = radius; ring > 8; ring -= 8) p.drawEllipse(charger, ring, ring);
    p.setPen(QPen(color(kAccent, 160), 1.6));
    p.drawArc(QRectF(charger.x() - radius, charger.y() - radius, 2 * radius, 2 * radius), 30 * 16, 60 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(color(kAccent));
    p.drawEllipse(charger, 3, 3);
    return image;
}

QImage headset_picture() {
    QImage image = canvas(kPictureSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int r = headset_cup_radius();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0A, 0x0B, 0x0E), 22, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(headset_band().translated(0, 4));
    p.setPen(QPen(QColor(0x22, 0x26, 0x2D), 18, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(headset_band());
    p.setPen(QPen(QColor(0x33, 0x39, 0x42), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(headset_band().translated(0, -6));

    p.setPen(QPen(QColor(0x1C, 0x20, 0x26), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(headset_boom());

    for (int side = 0; side < 2; ++side) {
        const QPointF c = headset_cup_centre(side);
        QPainterPath cup;
        cup.addEllipse(c, r, r);
        shadow(p, cup, {0, 5});
        QRadialGradient g(c + QPointF(-18, -22), r * 1.4);
        g.setColorAt(0, QColor(0x2C, 0x31, 0x39));
        g.setColorAt(1, QColor(0x11, 0x13, 0x17));
        p.setPen(QPen(color(kBorder).lighter(130), 1.4));
        p.setBrush(g);
        p.drawPath(cup);
        QPainterPath ring;
        ring.addEllipse(c, 56, 56);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color(kAccent, 45), 16));
        p.drawPath(ring);
        p.setPen(QPen(QColor(0x07, 0x08, 0x0A), 11));
        p.drawPath(ring);
        p.setPen(QPen(QColor(0x3A, 0x40, 0x48), 1.2));
        p.setBrush(QColor(0x17, 0x1A, 0x1F));
        p.drawEllipse(c, 30, 30);
        QPolygonF emblem;
        for (int k = 0; k < 6; ++k) {
            const double a = qDegreesToRadians(60.0 * k - 90.0);
            emblem << c + QPointF(14 * qCos(a), 14 * qSin(a));
        }
        p.setPen(QPen(color(kAccent, 200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(emblem);
    }
    const QPointF tip = headset_boom().pointAtPercent(1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(color(kAccent, 50));
    p.drawEllipse(tip, 12, 12);
    return image;
}

}  // namespace

void draw_device_pictures(ArtSink& sink) {
    sink.save(keyboard_picture(), QStringLiteral("common/device/keyboard.png"));
    sink.save(mouse_picture(), QStringLiteral("common/device/mouse.png"));
    sink.save(pad_picture(), QStringLiteral("common/device/mousepad.png"));
    sink.save(headset_picture(), QStringLiteral("common/device/headset.png"));
}

}  // namespace ilmo::skinart
