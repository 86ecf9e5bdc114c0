#include "KeyboardLayout.h"

#include <cmath>

#include "PictureGeometry.h"

namespace ilmo::skinart {

namespace {

constexpr double kUnit_px = 30.0;
constexpr int kGap_px = 3;
// The board spans 23.75 units from the M column to the numeric pad; it is centred.
constexpr double kSpan_units = 23.75;
constexpr double kMColumnOffset_units = 1.25;
constexpr double kTop_px = 20.0;

// Key index -> language key of its default caption; the regional keys use the names the
// key tables give them.
QString caption_key(int index) {
    static const char* const kNumberRow[] = {"`", "1", "2", "3", "4", "5", "6", "7",
                                             "8", "9", "0", "-", "=", "BackSpace"};
    static const char* const kTabRow[] = {"Tab", "Q", "W", "E", "R", "T", "Y", "U",
                                          "I",   "O", "P", "[", "]", "xiegang"};
    static const char* const kCapsRow[] = {"Caplk", "A", "S", "D", "F", "G", "H",
                                           "J",     "K", "L", ";", "'", "Enter"};
    static const char* const kShiftRow[] = {"LShift", "Z", "X", "C", "V", "B",
                                            "N",      "M", "<", ".", "/", "RShift"};
    static const char* const kBottomRow[] = {"LCtrl", "LWin", "LAlt", "Space",
                                             "RAlt",  "FN",   "App",  "RCtrl"};
    const auto key = [](const char* name) { return QStringLiteral("keyboard_key_") + name; };

    if (index == 0) return key("Esc");
    if (index >= 1 && index <= 12) return key("F") + QString::number(index);
    switch (index) {
        case 13: return key("Print Scr");
        case 14: return key("Scroll Lock");
        case 15: return key("Pause");
        case 16: return key("GM");
        case 35: return key("Insert");
        case 36: return key("Home");
        case 37: return key("Page Up");
        case 38: return key("Num Lock");
        case 39: return key("Num /");
        case 40: return key("Num *");
        case 41: return key("Num -");
        case 56: return key("Delete");
        case 57: return key("End");
        case 58: return key("Page Down");
        case 62: return key("K42");
        case 79: return key("K132");
        case 80: return key("K131");
        case 81: return key("K151");
        case 82: return key("K150");
        case 83: return key("K133");
        case 96: return key("Up");
        case 100: return key("K56");
        case 101: return key("K14");
        case 102: return key("K45");
        case 103: return key("K107");
        case 113: return key("Left");
        case 114: return key("Down");
        case 115: return key("Right");
        case 116: return key("Num 0");
        case 117: return key("Decimal");
        case 118: return key("Num Enter");
        case 119: return key("Num +");
        case 125: return key("RWin");
        default: break;
    }
    if (index >= 21 && index <= 34) return key(kNumberRow[index - 21]);
    if (index >= 42 && index <= 55) return key(kTabRow[index - 42]);
    if (index >= 63 && index <= 75) return key(kCapsRow[index - 63]);
    if (index >= 84 && index <= 95) return key(kShiftRow[index - 84]);
    if (index >= 105 && index <= 112) return key(kBottomRow[index - 105]);
    if (index >= 59 && index <= 61) return key("Num ") + QString::number(index - 52);
    if (index >= 76 && index <= 78) return key("Num ") + QString::number(index - 72);
    if (index >= 97 && index <= 99) return key("Num ") + QString::number(index - 96);
    if (index >= 120 && index <= 124) return key("M") + QString::number(index - 119);
    return {};  // 17-20 and 104: places of the key matrix without a key
}

// Rounds both edges, not the size, so that neighbours keep the same gap.
QRect key_rect(double x_units, double y_units, double w_units, double h_units) {
    const double left = (kPictureSize.width() - kSpan_units * kUnit_px) / 2.0 +
                        kMColumnOffset_units * kUnit_px;
    const int x0 = static_cast<int>(std::lround(left + x_units * kUnit_px));
    const int x1 = static_cast<int>(std::lround(left + (x_units + w_units) * kUnit_px));
    const int y0 = static_cast<int>(std::lround(kTop_px + y_units * kUnit_px));
    const int y1 = static_cast<int>(std::lround(kTop_px + (y_units + h_units) * kUnit_px));
    return QRect(x0 + 1, y0 + 1, x1 - x0 - kGap_px, y1 - y0 - kGap_px);
}

struct Slot {
    int index;
    double width = 1.0;
};

// A row of keys left to right from x; index -1 is an empty gap of the given width.
void add_row(std::vector<KeyPlace>& keys, double x, double y, std::initializer_list<Slot> row) {
    for (const Slot& slot : row) {
        if (slot.index >= 0)
            keys[slot.index] = {slot.index, key_rect(x, y, slot.width, 1.0),
                                caption_key(slot.index), true};
        x += slot.width;
    }
}

void add_key(std::vector<KeyPlace>& keys, int index, double x, double y, double w, double h) {
    keys[index] = {index, key_rect(x, y, w, h), caption_key(index), true};
}

}  // namespace

std::vector<KeyPlace> keyboard_keys() {
    std::vector<KeyPlace> keys(126);
    const double f_row = 0.0;
    add_row(keys, 0, f_row, {{0}, {-1}, {1}, {2}, {3}, {4}, {-1, 0.5}, {5}, {6}, {7}, {8},
                             {-1, 0.5}, {9}, {10}, {11}, {12}});
    add_row(keys, 15.25, f_row, {{13}, {14}, {15}});
    add_key(keys, 16, 21.5, f_row, 1, 1);

    add_row(keys, 0, 1.25, {{21}, {22}, {23}, {24}, {25}, {26}, {27}, {28}, {29}, {30}, {31},
                            {32}, {33}, {34, 2.0}});
    add_row(keys, 0, 2.25, {{42, 1.5}, {43}, {44}, {45}, {46}, {47}, {48}, {49}, {50}, {51},
                            {52}, {53}, {54}, {55, 1.5}});
    add_row(keys, 0, 3.25, {{63, 1.75}, {64}, {65}, {66}, {67}, {68}, {69}, {70}, {71}, {72},
                            {73}, {74}, {75, 2.25}});
    add_row(keys, 0, 4.25, {{84, 2.25}, {85}, {86}, {87}, {88}, {89}, {90}, {91}, {92}, {93},
                            {94}, {95, 2.75}});
    add_row(keys, 0, 5.25, {{105, 1.25}, {106, 1.25}, {107, 1.25}, {108, 6.25}, {109, 1.25},
                            {110, 1.25}, {111, 1.25}, {112, 1.25}});

    add_row(keys, 15.25, 1.25, {{35}, {36}, {37}});
    add_row(keys, 15.25, 2.25, {{56}, {57}, {58}});
    add_key(keys, 96, 16.25, 4.25, 1, 1);
    add_row(keys, 15.25, 5.25, {{113}, {114}, {115}});

    add_row(keys, 18.5, 1.25, {{38}, {39}, {40}, {41}});
    add_row(keys, 18.5, 2.25, {{59}, {60}, {61}});
    add_row(keys, 18.5, 3.25, {{76}, {77}, {78}});
    add_row(keys, 18.5, 4.25, {{97}, {98}, {99}});
    add_row(keys, 18.5, 5.25, {{116, 2.0}, {117}});
    add_key(keys, 119, 21.5, 2.25, 1, 2);
    add_key(keys, 118, 21.5, 4.25, 1, 2);

    for (int m = 0; m < 5; ++m) add_key(keys, 120 + m, -1.25, 1.25 + m, 1, 1);

    // Regional keys and empty matrix places, hidden, in a row under the board.
    const int hidden[] = {17, 18, 19, 20, 62, 79, 80, 81, 82, 83, 100, 101, 102, 103, 104, 125};
    const double hidden_y = (kPictureSize.height() - 38 - kTop_px) / kUnit_px;
    const double hidden_x = (kSpan_units - std::size(hidden)) / 2.0 - kMColumnOffset_units;
    for (size_t i = 0; i < std::size(hidden); ++i)
        keys[hidden[i]] = {hidden[i], key_rect(hidden_x + static_cast<double>(i), hidden_y, 1, 1),
                           caption_key(hidden[i]), false};
    return keys;
}

QRect keyboard_case_rect() { return QRect(8, 6, kPictureSize.width() - 16, 228); }

QRect keyboard_strip_rect() {
    const QRect board = keyboard_case_rect();
    return QRect(board.left() + 36, board.bottom() - 17, board.width() - 72, 10);
}

std::vector<QRect> keyboard_strip_lights() {
    constexpr int kCount = 24;
    const QRect strip = keyboard_strip_rect().adjusted(4, 2, -4, -2);
    const double pitch = strip.width() / static_cast<double>(kCount);
    std::vector<QRect> lights;
    for (int i = 0; i < kCount; ++i) {
        const int x0 = strip.left() + static_cast<int>(std::lround(i * pitch));
        const int x1 = strip.left() + static_cast<int>(std::lround((i + 1) * pitch));
        lights.emplace_back(x0 + 2, strip.top(), x1 - x0 - 4, strip.height());
    }
    return lights;
}

std::vector<QPoint> keyboard_indicator_lamps() {
    // Over Num Lock, Num / and Num *: the lamps the keyboard itself has there.
    const std::vector<KeyPlace> keys = keyboard_keys();
    std::vector<QPoint> lamps;
    for (int index : {38, 39, 40}) {
        const QRect key = keys[index].rect;
        lamps.emplace_back(key.center().x(), keys[16].rect.center().y());
    }
    return lamps;
}

}  // namespace ilmo::skinart
