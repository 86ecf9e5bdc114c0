#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace ilmo::skinart {

namespace {

constexpr double kGrid = 24.0;
constexpr double kStroke = 1.8;

void gear(QPainter& p) {
    QPainterPath outer;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 2; ++i) {
        const double radius = (i % 2 == 0) ? 9.0 : 7.2;
        for (int k = 0; k < 2; ++k) {
            const double a = qDegreesToRadians((i + k * 0.9 - 0.45) * 180.0 / kTeeth);
            const QPointF at(12 + radius * qCos(a), 12 + radius * qSin(a));
            if (i == 0 && k == 0) outer.moveTo(at); else outer.lineTo(at);
        }
    }
    outer.closeSubpath();
    p.drawPath(outer);
    p.drawEllipse(QPointF(12, 12), 3.0, 3.0);
}

void gamepad(QPainter& p) {
    QPainterPath body;
    body.moveTo(7, 7.5);
    body.lineTo(17, 7.5);
    body.cubicTo(20.5, 7.5, 21.8, 12, 22, 16);
    body.cubicTo(22.2, 19, 19.5, 19.5, 17.8, 17);
    body.lineTo(16.2, 15);
    body.lineTo(7.8, 15);
    body.lineTo(6.2, 17);
    body.cubicTo(4.5, 19.5, 1.8, 19, 2, 16);
    body.cubicTo(2.2, 12, 3.5, 7.5, 7, 7.5);
    p.drawPath(body);
    p.drawLine(QPointF(7, 9.6), QPointF(7, 12.8));
    p.drawLine(QPointF(5.4, 11.2), QPointF(8.6, 11.2));
    p.drawPoint(QPointF(16, 10.4));
    p.drawPoint(QPointF(18, 12.2));
}

void cloud(QPainter& p) {
    QPainterPath c;
    c.moveTo(7, 18.5);
    c.cubicTo(3.5, 18.5, 2.5, 14, 5.8, 12.6);
    c.cubicTo(5.8, 8, 11.5, 6, 13.6, 9.6);
    c.cubicTo(16.5, 7.6, 19.6, 9.8, 19, 12.8);
    c.cubicTo(22.2, 13.4, 21.8, 18.5, 18, 18.5);
    c.closeSubpath();
    p.drawPath(c);
}

void eye(QPainter& p) {
    QPainterPath lid;
    lid.moveTo(2.5, 12);
    lid.cubicTo(6.5, 5.5, 17.5, 5.5, 21.5, 12);
    lid.cubicTo(17.5, 18.5, 6.5, 18.5, 2.5, 12);
    p.drawPath(lid);
    p.drawEllipse(QPointF(12, 12), 3.2, 3.2);
}

void shirt(QPainter& p) {
    QPainterPath s;
    s.moveTo(9, 4.5);
    s.cubicTo(10, 6.5, 14, 6.5, 15, 4.5);
    s.lineTo(20.5, 7);
    s.lineTo(19, 11.2);
    s.lineTo(16.8, 10.4);
    s.lineTo(16.8, 19.5);
    s.lineTo(7.2, 19.5);
    s.lineTo(7.2, 10.4);
    s.lineTo(5, 11.2);
    s.lineTo(3.5, 7);
    s.closeSubpath();
    p.drawPath(s);
}

void arrow_tray(QPainter& p, bool inward) {
    p.drawPolyline(QPolygonF({{4.5, 14}, {4.5, 19.5}, {19.5, 19.5}, {19.5, 14}}));
    p.drawLine(QPointF(12, 4), QPointF(12, 15));
    if (inward)
        p.drawPolyline(QPolygonF({{7.8, 11}, {12, 15.2}, {16.2, 11}}));
    else
        p.drawPolyline(QPolygonF({{7.8, 8.2}, {12, 4}, {16.2, 8.2}}));
}

void circular_arrow(QPainter& p) {
    p.drawArc(QRectF(4.5, 4.5, 15, 15), 100 * 16, 290 * 16);
    p.drawPolyline(QPolygonF({{5.2, 4.4}, {10.6, 4.2}, {9.6, 9.2}}));
}

void sync_arrows(QPainter& p) {
    p.drawArc(QRectF(4.5, 4.5, 15, 15), 30 * 16, 150 * 16);
    p.drawArc(QRectF(4.5, 4.5, 15, 15), 210 * 16, 150 * 16);
    p.drawPolyline(QPolygonF({{15.6, 3.8}, {18.7, 8.3}, {13.8, 9.0}}));
    p.drawPolyline(QPolygonF({{8.4, 20.2}, {5.3, 15.7}, {10.2, 15.0}}));
}

void bulb(QPainter& p) {
    QPainterPath b;
    b.moveTo(9, 16.5);
    b.cubicTo(9, 13.8, 5.5, 12.6, 5.5, 9.2);
    b.cubicTo(5.5, 5.5, 8.5, 3, 12, 3);
    b.cubicTo(15.5, 3, 18.5, 5.5, 18.5, 9.2);
    b.cubicTo(18.5, 12.6, 15, 13.8, 15, 16.5);
    b.closeSubpath();
    p.drawPath(b);
    p.drawLine(QPointF(9.5, 19.2), QPointF(14.5, 19.2));
    p.drawLine(QPointF(10.5, 21.5), QPointF(13.5, 21.5));
}

void keycaps(QPainter& p) {
    p.drawRoundedRect(QRectF(2.5, 6, 19, 12), 2, 2);
    for (double x : {6.0, 9.5, 13.0, 16.5}) p.drawPoint(QPointF(x + 0.5, 10));
    p.drawLine(QPointF(8, 14.2), QPointF(16, 14.2));
}

void macro(QPainter& p) {
    p.drawEllipse(QPointF(7, 7), 3, 3);
    p.drawLine(QPointF(13, 7), QPointF(21, 7));
    p.drawLine(QPointF(3.5, 13), QPointF(21, 13));
    p.drawLine(QPointF(3.5, 18.5), QPointF(15, 18.5));
}

void sliders(QPainter& p) {
    for (int row = 0; row < 3; ++row) {
        const double y = 6 + row * 6;
        const double knob = (row == 1) ? 15.5 : (row == 0 ? 8.5 : 11.5);
        p.drawLine(QPointF(3.5, y), QPointF(knob - 2.2, y));
        p.drawLine(QPointF(knob + 2.2, y), QPointF(20.5, y));
        p.drawEllipse(QPointF(knob, y), 2.2, 2.2);
    }
}

void crosshair(QPainter& p) {
    p.drawEllipse(QPointF(12, 12), 7, 7);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 8));
    p.drawLine(QPointF(12, 16), QPointF(12, 21.5));
    p.drawLine(QPointF(2.5, 12), QPointF(8, 12));
    p.drawLine(QPointF(16, 12), QPointF(21.5, 12));
}

void equaliser(QPainter& p) {
    const double heights[] = {8, 14, 5, 11, 16};
    for (int i = 0; i < 5; ++i) {
        const double x = 4 + i * 4;
        p.drawLine(QPointF(x, 20), QPointF(x, 20 - heights[i]));
    }
}

void microphone(QPainter& p) {
    p.drawRoundedRect(QRectF(9, 3, 6, 11), 3, 3);
    p.drawArc(QRectF(5.5, 6.5, 13, 11), 180 * 16, 180 * 16);
    p.drawLine(QPointF(12, 17.5), QPointF(12, 21));
    p.drawLine(QPointF(8.5, 21), QPointF(15.5, 21));
}

void surround(QPainter& p) {
    p.drawEllipse(QPointF(12, 12), 2.6, 2.6);
    p.drawArc(QRectF(6, 6, 12, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(6, 6, 12, 12), 130 * 16, 100 * 16);
    p.drawArc(QRectF(2.5, 2.5, 19, 19), -45 * 16, 90 * 16);
    p.drawArc(QRectF(2.5, 2.5, 19, 19), 135 * 16, 90 * 16);
}

void battery(QPainter& p) {
    p.drawRoundedRect(QRectF(2.5, 7.5, 17, 9), 2, 2);
    p.drawLine(QPointF(21.5, 10.5), QPointF(21.5, 13.5));
}

void bolt(QPainter& p) {
    QPainterPath b;
    b.moveTo(13.5, 2.5);
    b.lineTo(5.5, 13.5);
    b.lineTo(11.5, 13.5);
    b.lineTo(10.5, 21.5);
    b.lineTo(18.5, 10.5);
    b.lineTo(12.5, 10.5);
    b.closeSubpath();
    p.drawPath(b);
}

void plug(QPainter& p) {
    p.drawLine(QPointF(9, 3), QPointF(9, 8));
    p.drawLine(QPointF(15, 3), QPointF(15, 8));
    QPainterPath body;
    body.moveTo(6, 8);
    body.lineTo(18, 8);
    body.lineTo(18, 12);
    body.cubicTo(18, 15.5, 15.5, 17, 12, 17);
    body.cubicTo(8.5, 17, 6, 15.5, 6, 12);
    body.closeSubpath();
    p.drawPath(body);
    p.drawLine(QPointF(12, 17), QPointF(12, 21.5));
}

void wireless(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        const double r = 3.5 + i * 3.6;
        p.drawArc(QRectF(12 - r, 17 - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    p.drawPoint(QPointF(12, 17.5));
}

void house(QPainter& p) {
    p.drawPolyline(QPolygonF({{3, 11.5}, {12, 3.5}, {21, 11.5}}));
    p.drawPolyline(QPolygonF({{5.5, 9.5}, {5.5, 20}, {18.5, 20}, {18.5, 9.5}}));
    p.drawRect(QRectF(10, 14, 4, 6));
}

void factory_default(QPainter& p) {
    circular_arrow(p);
    p.drawPoint(QPointF(12, 12));
}

}  // namespace

void draw_glyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    QPen pen(color, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainter& p = painter;
    switch (glyph) {
        case Glyph::Close:
            p.drawLine(QPointF(6.5, 6.5), QPointF(17.5, 17.5));
            p.drawLine(QPointF(17.5, 6.5), QPointF(6.5, 17.5));
            break;
        case Glyph::Minimise: p.drawLine(QPointF(6, 12.5), QPointF(18, 12.5)); break;
        case Glyph::Maximise: p.drawRoundedRect(QRectF(6.5, 6.5, 11, 11), 1.5, 1.5); break;
        case Glyph::Restore:
            p.drawRoundedRect(QRectF(5.5, 8.5, 10, 10), 1.5, 1.5);
            p.drawPolyline(QPolygonF({{8.5, 5.5}, {18.5, 5.5}, {18.5, 15.5}}));
            break;
        case Glyph::Skin: shirt(p); break;
        case Glyph::GameMode: gamepad(p); break;
        case Glyph::Cloud: cloud(p); break;
        case Glyph::SmartEyes: eye(p); break;
        case Glyph::Settings: gear(p); break;
        case Glyph::Menu:
            for (double y : {7.0, 12.0, 17.0}) p.drawLine(QPointF(5, y), QPointF(19, y));
            break;
        case Glyph::Previous: p.drawPolyline(QPolygonF({{14.5, 5.5}, {8, 12}, {14.5, 18.5}})); break;
        case Glyph::Next: p.drawPolyline(QPolygonF({{9.5, 5.5}, {16, 12}, {9.5, 18.5}})); break;
        case Glyph::Add:
            p.drawLine(QPointF(12, 5), QPointF(12, 19));
            p.drawLine(QPointF(5, 12), QPointF(19, 12));
            break;
        case Glyph::Remove: p.drawLine(QPointF(5, 12), QPointF(19, 12)); break;
        case Glyph::Copy:
            p.drawRoundedRect(QRectF(8.5, 8.5, 11, 11), 2, 2);
            p.drawPolyline(QPolygonF({{4.5, 15.5}, {4.5, 4.5}, {15.5, 4.5}}));
            break;
        case Glyph::Import: arrow_tray(p, true); break;
        case Glyph::Export: arrow_tray(p, false); break;
        case Glyph::Reset: circular_arrow(p); break;
        case Glyph::Save: p.drawPolyline(QPolygonF({{5, 12.5}, {10, 17.5}, {19, 7}})); break;
        case Glyph::Spread:
            p.setBrush(color);
            for (double x : {6.0, 12.0, 18.0}) p.drawEllipse(QPointF(x, 12), 1.1, 1.1);
            break;
        case Glyph::Default: factory_default(p); break;
        case Glyph::Sync: sync_arrows(p); break;
        case Glyph::Wireless: wireless(p); break;
        case Glyph::Plug: plug(p); break;
        case Glyph::Bolt:
            p.setBrush(color);
            bolt(p);
            break;
        case Glyph::Battery: battery(p); break;
        case Glyph::Lighting: bulb(p); break;
        case Glyph::Keys: keycaps(p); break;
        case Glyph::Macro: macro(p); break;
        case Glyph::System: sliders(p); break;
        case Glyph::Dpi: crosshair(p); break;
        case Glyph::Equaliser: equaliser(p); break;
        case Glyph::Voice: microphone(p); break;
        case Glyph::Surround: surround(p); break;
        case Glyph::Home: house(p); break;
    }
    painter.restore();
}

}  // namespace ilmo::skinart
