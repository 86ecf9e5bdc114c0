#include "PictureGeometry.h"

#include <QtMath>

#include <array>

namespace ilmo::skinart {

namespace {

constexpr int kMouseCentreX = kPictureSize.width() / 2;

// Half the mouse's width at a distance from the picture's top, through a few measured
// points; Catmull-Rom between them keeps the flanks smooth.
struct Profile {
    double y, half_width;
};
constexpr std::array<Profile, 19> kMouseProfile{{
    {13, 0},    {15, 30},   {20, 50},   {30, 62},  {44, 69},  {62, 71},  {85, 70},
    {110, 66},  {135, 63},  {160, 64},  {185, 69}, {208, 74}, {228, 75}, {244, 71},
    {256, 63},  {265, 51},  {271, 36},  {274, 18}, {275, 0},
}};

double mouse_half_width(double y) {
    if (y <= kMouseProfile.front().y) return 0;
    if (y >= kMouseProfile.back().y) return 0;
    size_t i = 1;
    while (kMouseProfile[i].y < y) ++i;
    const Profile& p1 = kMouseProfile[i - 1];
    const Profile& p2 = kMouseProfile[i];
    const Profile& p0 = kMouseProfile[i > 1 ? i - 2 : 0];
    const Profile& p3 = kMouseProfile[i + 1 < kMouseProfile.size() ? i + 1 : i];
    const double t = (y - p1.y) / (p2.y - p1.y);
    const double t2 = t * t, t3 = t2 * t;
    return 0.5 * (2 * p1.half_width + (-p0.half_width + p2.half_width) * t +
                  (2 * p0.half_width - 5 * p1.half_width + 4 * p2.half_width - p3.half_width) * t2 +
                  (-p0.half_width + 3 * p1.half_width - 3 * p2.half_width + p3.half_width) * t3);
}

QRect centred(QPointF centre, QSize size) {
    return QRect(qRound(centre.x() - size.width() / 2.0), qRound(centre.y() - size.height() / 2.0),
                 size.width(), size.height());
}

}  // namespace

QPainterPath mouse_outline() {
    QPainterPath path;
    const double top = kMouseProfile.front().y, bottom = kMouseProfile.back().y;
    path.moveTo(kMouseCentreX, top);
    for (double y = top; y <= bottom; y += 0.5) path.lineTo(kMouseCentreX + mouse_half_width(y), y);
    for (double y = bottom; y >= top; y -= 0.5) path.lineTo(kMouseCentreX - mouse_half_width(y), y);
    path.closeSubpath();
    return path;
}

QPainterPath mouse_button_split() {
    QPainterPath path;
    path.moveTo(kMouseCentreX, 14);
    path.lineTo(kMouseCentreX, 36);
    path.moveTo(kMouseCentreX, 96);
    path.lineTo(kMouseCentreX, 104);
    // The rear edge of the buttons sweeps back towards the flanks.
    path.moveTo(kMouseCentreX - mouse_half_width(126), 126);
    path.cubicTo(kMouseCentreX - 40, 110, kMouseCentreX - 16, 104, kMouseCentreX, 104);
    path.cubicTo(kMouseCentreX + 16, 104, kMouseCentreX + 40, 110,
                 kMouseCentreX + mouse_half_width(126), 126);
    return path;
}

QRect mouse_wheel_rect() { return QRect(kMouseCentreX - 8, 40, 16, 50); }

std::vector<QRect> mouse_lights() {
    std::vector<QRect> lights(15);
    constexpr double kFirst = 70, kLast = 238;
    for (int i = 0; i < 7; ++i) {
        const double y = kFirst + (kLast - kFirst) * i / 6.0;
        const double inset = mouse_half_width(y) - 9;
        lights[i] = centred({kMouseCentreX - inset, y}, {8, 18});
        lights[13 - i] = centred({kMouseCentreX + inset, y}, {8, 18});
    }
    lights[14] = centred({static_cast<double>(kMouseCentreX), 212}, {22, 22});
    return lights;
}

QRect mouse_select_rect() {
    return QRect(kMouseCentreX - 90, 8, 180, kPictureSize.height() - 16);
}

std::vector<QRect> mouse_small_buttons() {
    const double cx = kMouseCentreX;
    return {
        centred({cx, 121}, {12, 10}),                            // DPI up
        centred({cx, 135}, {12, 10}),                            // DPI down
        centred({cx, 152}, {12, 12}),                            // DPI cycle
        centred({cx, 178}, {18, 8}),                             // mode
        centred({cx - mouse_half_width(92) + 3, 92}, {8, 20}),   // DPI shift
        centred({cx - mouse_half_width(132) + 3, 132}, {8, 26}), // forward
        centred({cx - mouse_half_width(168) + 3, 168}, {8, 26}), // back
        centred({cx - mouse_half_width(58) + 3, 58}, {8, 16}),   // fire
    };
}

std::vector<MouseKey> mouse_keys() {
    const double cx = kMouseCentreX;
    const auto left_callout = [](int row) { return QRect(24, 34 + row * 48, 196, 28); };
    const auto right_callout = [](int row) {
        return QRect(kPictureSize.width() - 24 - 196, 22 + row * 42, 196, 28);
    };
    const auto flank = [&](double y) {
        return QPoint(qRound(cx - mouse_half_width(y) + 3), qRound(y));
    };
    // Indices are the mouse's logical buttons: left, right, middle, forward, back,
    // DPI up, DPI down, DPI cycle, mode, DPI shift, fire.
    return {
        {0, left_callout(0), QPoint(qRound(cx - 34), 80), "mouse_key_left"},
        {10, left_callout(1), flank(58), "mouse_key_fire_key"},
        {9, left_callout(2), flank(92), "mouse_key_DPI_shift"},
        {3, left_callout(3), flank(132), "mouse_key_forward"},
        {4, left_callout(4), flank(168), "mouse_key_back"},
        {1, right_callout(0), QPoint(qRound(cx + 34), 56), "mouse_key_right"},
        {2, right_callout(1), QPoint(qRound(cx), 80), "mouse_key_middle"},
        {5, right_callout(2), QPoint(qRound(cx), 121), "mouse_key_DPI_add"},
        {6, right_callout(3), QPoint(qRound(cx), 135), "mouse_key_DPI_sub"},
        {7, right_callout(4), QPoint(qRound(cx), 152), "mouse_key_DPI_loop"},
        {8, right_callout(5), QPoint(qRound(cx), 178), "keyboard_key_GM"},
    };
}

QRect pad_rect() { return QRect(96, 18, 568, 252); }

std::vector<QRect> pad_lights() {
    // The edge walked clockwise from the end of the top left corner.
    const QRectF e = QRectF(pad_rect()).adjusted(9, 9, -9, -9);
    constexpr double r = 14;
    QPainterPath edge;
    edge.moveTo(e.left() + r, e.top());
    edge.lineTo(e.right() - r, e.top());
    edge.quadTo(e.right(), e.top(), e.right(), e.top() + r);
    edge.lineTo(e.right(), e.bottom() - r);
    edge.quadTo(e.right(), e.bottom(), e.right() - r, e.bottom());
    edge.lineTo(e.left() + r, e.bottom());
    edge.quadTo(e.left(), e.bottom(), e.left(), e.bottom() - r);
    edge.lineTo(e.left(), e.top() + r);
    edge.quadTo(e.left(), e.top(), e.left() + r, e.top());
    std::vector<QRect> lights;
    // Each light's control covers the glow around its LED, not only the LED.
    for (int i = 0; i < 15; ++i)
        lights.push_back(centred(edge.pointAtPercent((i + 0.5) / 15.0), {48, 48}));
    return lights;
}

QPoint pad_charger_centre() { return QPoint(pad_rect().right() - 78, pad_rect().top() + 74); }
int pad_charger_radius() { return 40; }

QPoint headset_cup_centre(int side) { return QPoint(side == 0 ? 262 : 498, 168); }
int headset_cup_radius() { return 76; }

QPainterPath headset_band() {
    const QPoint left = headset_cup_centre(0), right = headset_cup_centre(1);
    const int r = headset_cup_radius();
    QPainterPath band;
    band.moveTo(left.x() - r + 18, left.y() - r + 26);
    band.cubicTo(left.x() - r + 8, 10, right.x() + r - 8, 10, right.x() + r - 18,
                 right.y() - r + 26);
    return band;
}

QPainterPath headset_boom() {
    const QPoint cup = headset_cup_centre(0);
    QPainterPath boom;
    boom.moveTo(cup.x() + 26, cup.y() + 62);
    boom.cubicTo(cup.x() + 40, cup.y() + 100, cup.x() + 80, cup.y() + 108, cup.x() + 116,
                 cup.y() + 100);
    return boom;
}

std::vector<QRect> headset_lights() {
    std::vector<QRect> lights(13);
    constexpr double kRingRadius = 56;
    for (int side = 0; side < 2; ++side) {
        const QPoint centre = headset_cup_centre(side);
        for (int i = 0; i < 6; ++i) {
            // Clockwise from the top; the right cup starts where the left one ends.
            const double angle = qDegreesToRadians(-90.0 + 60.0 * i + 30.0);
            const QPointF at(centre.x() + kRingRadius * qCos(angle),
                             centre.y() + kRingRadius * qSin(angle));
            lights[side == 0 ? i : 7 + i] = centred(at, {14, 14});
        }
    }
    lights[6] = centred(headset_boom().pointAtPercent(1.0), {14, 14});
    return lights;
}

}  // namespace ilmo::skinart
