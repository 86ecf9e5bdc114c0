#pragma once
// Where the keyboard page puts its 126 key buttons and its edge light strip.
//
// Key indices are the keyboard's own (its default key table lists the keys in this order):
// 0 Esc, 1-12 F1-F12, 13-15 Print Screen, Scroll Lock, Pause, 16 game mode, 21-34 the
// number row, 35-37 Insert, Home, Page Up, 38-41 Num Lock, Num /, *, -, 42-55 the Tab row,
// 56-58 Delete, End, Page Down, 59-61 Num 7-9, 63-75 the Caps row, 76-78 Num 4-6,
// 84-95 the Shift row, 96 Up, 97-99 Num 1-3, 105-112 the bottom row (Ctrl, Win, Alt,
// Space, Alt, Fn, Menu, Ctrl), 113-115 Left, Down, Right, 116-117 Num 0 and Num .,
// 118 Num Enter, 119 Num +, 120-124 M1-M5.
// The keys only regional boards have (62, 79-83, 100-103, right Windows 125) and the empty
// places of the key matrix (17-20, 104) start hidden, in a row of their own under the
// board, so that a page can show those its keyboard reports without moving anything.

#include <QRect>
#include <QString>

#include <vector>

namespace ilmo::skinart {

struct KeyPlace {
    int index;
    QRect rect;       // inside the picture area
    QString langkey;  // the key's default caption; empty for a place without a key
    bool shown;
};

// The 126 keys, in index order.
std::vector<KeyPlace> keyboard_keys();
// The lights of the edge strip, numbered on from the keys (126, 127, ...).
std::vector<QRect> keyboard_strip_lights();
inline constexpr int kFirstStripLight = 126;

// The board's outline in the picture, and the groove the strip lights sit in.
QRect keyboard_case_rect();
QRect keyboard_strip_rect();
// Three indicator lamps above the numeric pad.
std::vector<QPoint> keyboard_indicator_lamps();

}  // namespace ilmo::skinart
