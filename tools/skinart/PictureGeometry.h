#pragma once
// The device pictures and where their lights and keys sit on them. The same functions
// draw the pictures and place the buttons in the page layouts, so the two cannot drift.

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace ilmo::skinart {

// Every device picture fills the same area of its page.
inline constexpr QSize kPictureSize{760, 288};

// Mouse, seen from above with its front at the top.
QPainterPath mouse_outline();
QPainterPath mouse_button_split();  // seams between the two main buttons and the body
QRect mouse_wheel_rect();
// Lights 0-6 run down the left flank from the front, 7-13 up the right flank from the rear
// (so lights i and 13 - i face each other), 14 is the logo.
std::vector<QRect> mouse_lights();
QRect mouse_select_rect();  // the part of the picture the select panel covers

// A button of the mouse, its callout beside the picture and the point the callout's leader
// line ends at.
struct MouseKey {
    int index;
    QRect callout;
    QPoint anchor;
    QString langkey;  // default caption
};
std::vector<MouseKey> mouse_keys();
// Small buttons on the body the anchors point at (side buttons, DPI buttons).
std::vector<QRect> mouse_small_buttons();

// Mouse pad: lights around the edge, clockwise from the top left, each with room for its glow.
QRect pad_rect();
std::vector<QRect> pad_lights();
QPoint pad_charger_centre();
int pad_charger_radius();

// Headset, from the front: lights 0-5 round the left ear cup, 6 at the microphone's tip,
// 7-12 round the right ear cup.
QPoint headset_cup_centre(int side);  // 0 left, 1 right
int headset_cup_radius();
QPainterPath headset_band();
QPainterPath headset_boom();
std::vector<QRect> headset_lights();

}  // namespace ilmo::skinart
