#include "shell/LightModeTable.h"

namespace ilmo::shell {

namespace {

// How the colour controls are set by a row.
enum class Colour { Off, On, PlainOnly };  // PlainOnly: a colour, but no seven-colour
enum Use : bool { No = false, Yes = true };

constexpr const char* kRightToLeft = "light_set_right_to_left_text";
constexpr const char* kLeftToRight = "light_set_left_to_right_text";
constexpr const char* kClockwise = "light_set_clockwise_text";
constexpr const char* kAnticlockwise = "light_set_anticlockwise_text";
constexpr const char* kDownToUp = "light_set_down_to_up_text";
constexpr const char* kUpToDown = "light_set_up_to_down_text";
constexpr const char* kOutsideIn = "light_set_outside_to_inside_text";
constexpr const char* kInsideOut = "light_set_inside_to_outside_text";

LightPanelLook reset_look(int device_type) {
    LightPanelLook look;
    const bool keyboard = device_type == kPanelKeyboard;
    look.left_text = keyboard ? kRightToLeft : kDownToUp;
    look.right_text = keyboard ? kLeftToRight : kUpToDown;
    return look;
}

// A row of the tables; the direction is left as the reset has it unless `direction` is given.
void row(LightPanelLook& look, Colour colour, Use brightness, Use speed) {
    look.seven_colour = colour == Colour::On;
    look.colour = colour != Colour::Off;
    look.brightness = brightness;
    look.speed = speed;
}

void row(LightPanelLook& look, Colour colour, Use direction, Use brightness, Use speed) {
    row(look, colour, brightness, speed);
    look.direction = direction;
}

void texts(LightPanelLook& look, const char* left, const char* right) {
    look.left_text = left;
    look.right_text = right;
}

void all_off(LightPanelLook& look) { row(look, Colour::Off, No, No, No); }

void keyboard_look(LightPanelLook& look, int mode) {
    switch (mode) {
        case 1: case 2: return row(look, Colour::On, Yes, Yes);
        case 3: case 24:
            row(look, Colour::On, Yes, Yes);
            return texts(look, kClockwise, kAnticlockwise);
        case 4: case 11: case 26:
            row(look, Colour::Off, No, Yes, Yes);
            look.light_colour_layout = false;
            return;
        case 5: case 7: case 8: case 9: case 10: case 13: case 14: case 15: case 22: case 23:
        case 25:
            return row(look, Colour::On, No, Yes, Yes);
        case 6: case 16: return row(look, Colour::On, No, Yes, No);
        case 12:
            row(look, Colour::Off, Yes, Yes);
            look.light_colour_layout = false;
            return texts(look, kDownToUp, kUpToDown);
        case 17:
            row(look, Colour::Off, No, Yes, Yes);
            look.speed_shown = false;
            look.secondary_shown = true;
            look.light_colour_layout = false;
            return;
        case 18:
            row(look, Colour::Off, Yes, Yes, No);
            look.light_colour_layout = false;
            return texts(look, kOutsideIn, kInsideOut);
        case 19:
            row(look, Colour::On, Yes, Yes);
            return texts(look, kUpToDown, kDownToUp);
        case 20:
            row(look, Colour::PlainOnly, No, Yes, No);
            look.custom_shown = true;
            look.speed_shown = false;
            return;
        case 21:
            row(look, Colour::On, Yes, No);
            look.speed_shown = false;
            look.audio_mode_shown = true;
            look.colour_tab = 1;
            return;
        case 27: return row(look, Colour::Off, No, Yes, Yes);
        case 30:
            row(look, Colour::Off, No, Yes, No);
            look.light_colour_layout = false;
            return;
        default: return all_off(look);  // 0, 28, 29, above 30
    }
}

void mouse_look(LightPanelLook& look, int mode) {
    switch (mode) {
        case 0: case 5: return row(look, Colour::On, Yes, Yes);
        case 1: case 7: case 8: return row(look, Colour::Off, No, Yes, Yes);
        case 2: case 4: case 6: return row(look, Colour::On, No, Yes, Yes);
        case 3: return row(look, Colour::PlainOnly, No, Yes, No);
        case 11:
            row(look, Colour::On, Yes, No);
            look.speed_shown = false;
            look.audio_mode_shown = true;
            look.colour_tab = 1;
            return;
        default: return all_off(look);  // 9, 10, above 11
    }
}

void pad_look(LightPanelLook& look, int mode) {
    look.same_mode_wanted = (mode >= 1 && mode <= 4) || mode == 8;
    switch (mode) {
        case 0: return row(look, Colour::On, Yes, Yes);
        case 1: return row(look, Colour::Off, No, Yes, Yes);
        case 2: case 4: return row(look, Colour::On, No, Yes, Yes);
        case 3: return row(look, Colour::PlainOnly, No, Yes, No);
        default: return all_off(look);  // 5, 6, 7, 8 and above
    }
}

void further_kind_look(LightPanelLook& look, int mode) {
    switch (mode) {
        case 0: case 2: case 3: return row(look, Colour::On, Yes, Yes);
        case 1: return row(look, Colour::PlainOnly, Yes, No);
        case 4: return row(look, Colour::Off, Yes, Yes);
        default: return all_off(look);
    }
}

}  // namespace

LightPanelLook light_panel_look(int device_type, int mode) {
    LightPanelLook look = reset_look(device_type);
    switch (device_type) {
        case kPanelKeyboard: keyboard_look(look, mode); break;
        case kPanelMouse: mouse_look(look, mode); break;
        case kPanelMousePad: case kPanelHeadset: case kPanelHeadsetToo: pad_look(look, mode); break;
        case kPanelFurtherKind: further_kind_look(look, mode); break;
        default: break;
    }
    return look;
}

}  // namespace ilmo::shell
