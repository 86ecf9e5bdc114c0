#include "BackgroundArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdint>

#include "ArtSink.h"
#include "SkinPalette.h"

namespace ilmo::skinart {

namespace {

constexpr QSize kWindowSize{1000, 640};

// A fixed-seed generator: the same images on every build.
class Dice {
public:
    explicit Dice(uint32_t seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / static_cast<double>(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    uint32_t state_;
};

void base(QPainter& p, QRgb top, QRgb bottom) {
    QLinearGradient g(0, 0, 0, kWindowSize.height());
    g.setColorAt(0, color(top));
    g.setColorAt(1, color(bottom));
    p.fillRect(QRect(QPoint(0, 0), kWindowSize), g);
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& c) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, c);
    QColor clear = c;
    clear.setAlpha(0);
    g.setColorAt(1, clear);
    p.fillRect(QRect(QPoint(0, 0), kWindowSize), g);
}

// Darkens the edges so the controls stay the brightest things on screen.
void vignette(QPainter& p) {
    QRadialGradient g(QPointF(kWindowSize.width() / 2.0, kWindowSize.height() / 2.0), 700);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, 140));
    p.fillRect(QRect(QPoint(0, 0), kWindowSize), g);
}

void default_background(QPainter& p) {
    base(p, 0xFF10131A, 0xFF08090C);
    glow(p, {860, 40}, 520, color(kAccent, 34));
    glow(p, {80, 640}, 420, color(kAccentDeep, 40));
    p.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (int x = -kWindowSize.height(); x < kWindowSize.width(); x += 22)
        p.drawLine(x, kWindowSize.height(), x + kWindowSize.height(), 0);
    vignette(p);
}

void hexagons(QPainter& p) {
    base(p, 0xFF0D1014, 0xFF07080A);
    glow(p, {120, 560}, 520, color(kAccent, 40));
    const double side = 26, w = side * qSqrt(3.0);
    for (int row = -1; row * side * 1.5 < kWindowSize.height() + side; ++row) {
        for (int col = -1; col * w < kWindowSize.width() + w; ++col) {
            const QPointF c(col * w + (row % 2 ? w / 2 : 0), row * side * 1.5);
            const double fade = 1.0 - std::min(1.0, QLineF(c, QPointF(200, 520)).length() / 900.0);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                const double a = qDegreesToRadians(60.0 * k + 30.0);
                hex << c + QPointF(side * qCos(a), side * qSin(a));
            }
            p.setPen(QPen(QColor(0x6F, 0xD6, 0xFF, static_cast<int>(6 + 26 * fade)), 1));
            p.drawPolygon(hex);
        }
    }
    vignette(p);
}

void aurora(QPainter& p) {
    base(p, 0xFF0A0C12, 0xFF06070A);
    glow(p, {260, 180}, 420, QColor(0x12, 0xD6, 0xA6, 46));
    glow(p, {560, 120}, 380, QColor(0x3E, 0x8B, 0xFF, 40));
    glow(p, {820, 260}, 440, QColor(0x8A, 0x4B, 0xFF, 42));
    for (int band = 0; band < 3; ++band) {
        QPainterPath wave;
        wave.moveTo(-20, 220 + band * 50);
        for (int x = 0; x <= kWindowSize.width() + 40; x += 40)
            wave.lineTo(x, 220 + band * 50 + 36 * qSin(x / 140.0 + band));
        p.setPen(QPen(QColor(0x7F, 0xF5, 0xE0, 16 - band * 4), 26 - band * 6));
        p.drawPath(wave);
    }
    vignette(p);
}

void circuit(QPainter& p) {
    base(p, 0xFF0C0F12, 0xFF070809);
    glow(p, {500, 640}, 560, color(kAccent, 26));
    Dice dice(7);
    for (int trace = 0; trace < 70; ++trace) {
        QPointF at(dice.between(0, kWindowSize.width()), dice.between(0, kWindowSize.height()));
        QPolygonF line{at};
        for (int leg = 0; leg < 4; ++leg) {
            const double length = dice.between(30, 140);
            const int heading = static_cast<int>(dice.between(0, 4));
            const double dx[] = {1, 0, -1, 0}, dy[] = {0, 1, 0, -1};
            at += QPointF(dx[heading] * length, dy[heading] * length);
            line << at;
        }
        const bool lit = trace % 9 == 0;
        p.setPen(QPen(lit ? color(kAccent, 70) : QColor(255, 255, 255, 14), 1.4));
        p.drawPolyline(line);
        p.setBrush(lit ? color(kAccent, 120) : QColor(255, 255, 255, 22));
        p.setPen(Qt::NoPen);
        p.drawEllipse(line.back(), 2.6, 2.6);
    }
    vignette(p);
}

void carbon(QPainter& p) {
    base(p, 0xFF111316, 0xFF0A0B0D);
    constexpr int kTile = 8;
    for (int y = 0; y < kWindowSize.height(); y += kTile) {
        for (int x = 0; x < kWindowSize.width(); x += kTile) {
            const bool across = ((x / kTile) + (y / kTile)) % 2 == 0;
            QLinearGradient g(x, y, across ? x + kTile : x, across ? y : y + kTile);
            g.setColorAt(0, QColor(255, 255, 255, 3));
            g.setColorAt(0.5, QColor(255, 255, 255, 14));
            g.setColorAt(1, QColor(0, 0, 0, 30));
            p.fillRect(QRect(x, y, kTile, kTile), g);
        }
    }
    glow(p, {900, 80}, 480, color(kAccent, 28));
    vignette(p);
}

void ember(QPainter& p) {
    base(p, 0xFF140C0A, 0xFF080606);
    glow(p, {500, 700}, 620, QColor(0xFF, 0x5A, 0x1F, 60));
    glow(p, {880, 620}, 300, QColor(0xFF, 0x9A, 0x2F, 40));
    Dice dice(23);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(dice.between(0, kWindowSize.width()), dice.between(260, kWindowSize.height()));
        const double length = dice.between(8, 28);
        p.setPen(QPen(QColor(0xFF, 0x8A, 0x3D, static_cast<int>(dice.between(20, 90))), 1.3,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(length * 0.45, -length));
    }
    vignette(p);
}

void nebula(QPainter& p) {
    base(p, 0xFF080912, 0xFF05050A);
    glow(p, {320, 260}, 380, QColor(0x6A, 0x3D, 0xE8, 50));
    glow(p, {660, 360}, 420, QColor(0x1F, 0x86, 0xFF, 46));
    glow(p, {520, 180}, 220, QColor(0xE8, 0x4C, 0xC8, 30));
    Dice dice(101);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(dice.between(0, kWindowSize.width()), dice.between(0, kWindowSize.height()));
        const double size = dice.next() < 0.93 ? 0.7 : 1.5;
        p.setBrush(QColor(255, 255, 255, static_cast<int>(dice.between(40, 200))));
        p.drawEllipse(at, size, size);
    }
    vignette(p);
}

QImage window_image(void (*draw)(QPainter&)) {
    QImage image = canvas(kWindowSize, 1.0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QImage thumbnail(const QImage& background) {
    QImage thumb = canvas({96, 60});
    QPainter p(&thumb);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, 95, 59), 6, 6);
    p.setClipPath(frame);
    p.drawImage(QRectF(0, 0, 96, 60), background);
    p.setClipping(false);
    p.setPen(QPen(color(kBorder).lighter(130), 1));
    p.drawPath(frame);
    return thumb;
}

}  // namespace

QString skin_background_path(int n) { return QStringLiteral("common/skin/skin_%1.png").arg(n); }
QString skin_thumbnail_path(int n) { return QStringLiteral("common/skin/skin_%1_thumb.png").arg(n); }

void draw_backgrounds(ArtSink& sink) {
    sink.save(window_image(default_background), QStringLiteral("common/background.png"));
    void (*const skins[kSkinBackgroundCount])(QPainter&) = {hexagons, aurora, circuit,
                                                           carbon,   ember,  nebula};
    for (int i = 0; i < kSkinBackgroundCount; ++i) {
        const QImage background = window_image(skins[i]);
        sink.save(background, skin_background_path(i + 1));
        sink.save(thumbnail(background), skin_thumbnail_path(i + 1));
    }
}

}  // namespace ilmo::skinart
