#!/usr/bin/env python3
"""Writes the factory documents the program ships in DefaultData/.

    python3 tools/defaultdata/make_default_data.py          # (re)write the files
    python3 tools/defaultdata/make_default_data.py --check  # exit 1 when a file differs

Every file is written in the stored form the program writes itself: the text of jsoncpp's
Json::StyledWriter (three-space indents, "key" : value, keys sorted by their bytes, short
arrays of scalars on one line) followed by its single line end. tests/profiles/
DefaultDataTest.cpp parses each file and writes it again with that writer to prove it.

Files:
  RM52X31C.Json, RM52X30C.Json, RM52X23C_1.Json, HS6533.Json
      the default profile documents of the mouse, keyboard, mouse-pad and headset, named
      after the device folders; "profilename" and "profileUUID" stay empty (a new profile
      fills them in).
  default_light.json
      the built-in lighting modes and lighting areas per lighting table: 0 keyboard,
      1 mouse, 2 mouse-pad, 3 headset.
  ShootData_0.Shoot ... ShootData_3.Shoot
      four default weapons for the mouse's recoil data, 30 bullets of 6 events each.
  AudioFile.json
      the four music styles and the audio lighting record kept beside them.

Every name shown to the user ("LightName", "CorrectName", "nStyleName1".., the weapons'
"MacroName") is a language key; the wordings live in skin/lang/lan_en.xml and lan_zh.xml.

Choices made here (the device protocol leaves them to the shipped data):
  - Lighting "LightList": one entry per light of the page (keyboard 170, mouse 15, pad 15,
    headset 13), each null: a null entry is a light without an effect of its own, so every
    light follows the page's mode.
  - Keyboard "FnAssignment": the keyboard functions of type 0xA0 sit on the keys their names
    point at (Fn+Esc, Fn+Win lock, Fn+W, Fn+arrows, Fn+Num +/-/., Fn+Insert ... Page Down,
    Fn+Print Screen, Fn+Pause, Fn+F12); every other key's Fn code is its own identity code,
    which the keyboard receives as "no Fn function".
  - Polling rate options are taken as ascending rates (125, 250, 500, 1000 Hz, and 2000 Hz
    as the mouse's fifth); both devices start at 1000 Hz (index 3).
  - Mouse DPI stages 400, 800, 1600, 3200, 4800 DPI as slider steps for a sensor whose
    lowest DPI is 100 with 100 DPI a step (steps 3, 7, 15, 31, 47); all lie below step 48,
    so they show the same DPI on the high-DPI sensor scale too. Stage 2 is active.
  - Mode values: keyboard mode i has value i; the mouse's modes likewise; the pad's mode
    codes are 1-8 in list order with "off" (the last) as 0; the headset has no device
    codes and uses its list index.
"""

import argparse
import math
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
DEFAULT_DATA = ROOT / "DefaultData"

# ---------------------------------------------------------------------------------------
# The stored text form: a faithful copy of Json::StyledWriter (jsoncpp 1.9).

RIGHT_MARGIN = 74
INDENT = "   "


ESCAPES = {'"': '\\"', "\\": "\\\\", "\b": "\\b", "\f": "\\f", "\n": "\\n",
           "\r": "\\r", "\t": "\\t"}


def quoted(text):
    out = ['"']
    for ch in text:
        if ch in ESCAPES:
            out.append(ESCAPES[ch])
        elif ord(ch) < 0x20 or ord(ch) > 0x7E:
            # The styled writer escapes everything outside printable ASCII; the shipped
            # documents keep to ASCII so that the files stay readable.
            raise ValueError("non-ASCII text in a shipped document: %r" % text)
        else:
            out.append(ch)
    out.append('"')
    return "".join(out)


class StyledWriter:
    def __init__(self):
        self.document = []
        self.length = 0
        self.indent = ""
        self.child_values = []
        self.add_child_values = False

    def write(self, value):
        self.write_value(value)
        self.append("\n")
        return "".join(self.document)

    def append(self, text):
        self.document.append(text)
        self.length += len(text)

    def last_char(self):
        for piece in reversed(self.document):
            if piece:
                return piece[-1]
        return ""

    def push_value(self, text):
        if self.add_child_values:
            self.child_values.append(text)
        else:
            self.append(text)

    def write_indent(self):
        if self.length:
            last = self.last_char()
            if last == " ":
                return
            if last != "\n":
                self.append("\n")
        self.append(self.indent)

    def write_with_indent(self, text):
        self.write_indent()
        self.append(text)

    def write_value(self, value):
        if value is None:
            self.push_value("null")
        elif isinstance(value, bool):
            self.push_value("true" if value else "false")
        elif isinstance(value, int):
            self.push_value(str(value))
        elif isinstance(value, str):
            self.push_value(quoted(value))
        elif isinstance(value, list):
            self.write_array(value)
        elif isinstance(value, dict):
            self.write_object(value)
        else:
            raise TypeError("no JSON form for %r" % (value,))

    def write_object(self, value):
        if not value:
            self.push_value("{}")
            return
        self.write_with_indent("{")
        self.indent += INDENT
        names = sorted(value, key=lambda name: name.encode("utf-8"))
        for i, name in enumerate(names):
            self.write_with_indent(quoted(name))
            self.append(" : ")
            self.write_value(value[name])
            if i + 1 < len(names):
                self.append(",")
        self.indent = self.indent[: -len(INDENT)]
        self.write_with_indent("}")

    def is_multiline_array(self, value):
        multiline = len(value) * 3 >= RIGHT_MARGIN
        self.child_values = []
        for child in value:
            if multiline:
                break
            multiline = isinstance(child, (list, dict)) and len(child) > 0
        if not multiline:
            self.add_child_values = True
            line_length = 4 + (len(value) - 1) * 2
            for index, child in enumerate(value):
                self.write_value(child)
                line_length += len(self.child_values[index])
            self.add_child_values = False
            multiline = line_length >= RIGHT_MARGIN
        return multiline

    def write_array(self, value):
        if not value:
            self.push_value("[]")
            return
        if self.is_multiline_array(value):
            self.write_with_indent("[")
            self.indent += INDENT
            has_child_values = bool(self.child_values)
            written = list(self.child_values)
            for index, child in enumerate(value):
                if has_child_values:
                    self.write_with_indent(written[index])
                else:
                    self.write_indent()
                    self.write_value(child)
                if index + 1 < len(value):
                    self.append(",")
            self.indent = self.indent[: -len(INDENT)]
            self.write_with_indent("]")
        else:
            self.append("[ " + ", ".join(self.child_values) + " ]")


def stored_form(document):
    return StyledWriter().write(document)


# ---------------------------------------------------------------------------------------
# Shared pieces.


def code(kind, first, second):
    """An assignment code as the documents store it: type, first value, second value."""
    return kind * 65536 + first * 256 + second


def key_entry(default, fn=None):
    return {
        "Assignment": default,
        "DefaultAssignment": default,
        "FnAssignment": default if fn is None else fn,
    }


def light_info(select_item, red, green, blue, multi_color=1, light=4, speed=2, fx=0):
    return {
        "SelectItem": select_item,
        "Light": light,
        "Speed": speed,
        "Fx": fx,
        "MultiColor": multi_color,
        "Red": red,
        "Green": green,
        "Blue": blue,
        "ZZCCLedMode": 0,
        "CustomGroup": 0,
        "OldLedmode": select_item,
    }


def no_light_effects(light_count):
    return [None] * light_count


def profile_document(section):
    return {"profilename": "", "profileUUID": "", "Device": [section]}


# Light counts of the device pages.
KEYBOARD_LIGHTS = 170
MOUSE_LIGHTS = 15
PAD_LIGHTS = 15
HEADSET_LIGHTS = 13

# ---------------------------------------------------------------------------------------
# Keyboard.


def keyboard_identity_codes():
    """The code the keyboard reports for each of its 126 page keys (its default table)."""
    usage = {}  # key index -> HID usage of a plain key (type 0x20, no modifier)
    usage[0] = 0x29
    for i in range(12):
        usage[1 + i] = 0x3A + i  # F1-F12
    usage.update({13: 0x46, 14: 0x47, 15: 0x48})
    for i in (18, 19, 20, 104):
        usage[i] = 0x00  # places of the key matrix without a key
    usage[21] = 0x35
    for i in range(10):
        usage[22 + i] = 0x1E + i  # 1-9, 0
    usage.update({32: 0x2D, 33: 0x2E, 34: 0x2A, 35: 0x49, 36: 0x4A, 37: 0x4B})
    usage.update({38: 0x53, 39: 0x54, 40: 0x55, 41: 0x56, 42: 0x2B})
    for i, u in enumerate([0x14, 0x1A, 0x08, 0x15, 0x17, 0x1C, 0x18, 0x0C, 0x12, 0x13]):
        usage[43 + i] = u  # Q W E R T Y U I O P
    usage.update({53: 0x2F, 54: 0x30, 55: 0x31, 56: 0x4C, 57: 0x4D, 58: 0x4E})
    usage.update({59: 0x5F, 60: 0x60, 61: 0x61, 62: 0x32, 63: 0x39})
    for i, u in enumerate([0x04, 0x16, 0x07, 0x09, 0x0A, 0x0B, 0x0D, 0x0E, 0x0F]):
        usage[64 + i] = u  # A S D F G H J K L
    usage.update({73: 0x33, 74: 0x34, 75: 0x28, 76: 0x5C, 77: 0x5D, 78: 0x5E})
    usage.update({79: 0x8A, 80: 0x8B, 81: 0x90, 82: 0x91, 83: 0x88})
    for i, u in enumerate([0x1D, 0x1B, 0x06, 0x19, 0x05, 0x11, 0x10, 0x36, 0x37, 0x38]):
        usage[85 + i] = u  # Z X C V B N M , . /
    usage.update({96: 0x52, 97: 0x59, 98: 0x5A, 99: 0x5B})
    usage.update({100: 0x87, 101: 0x89, 102: 0x64, 103: 0x85, 108: 0x2C, 111: 0x65})
    usage.update({113: 0x50, 114: 0x51, 115: 0x4F, 116: 0x62, 117: 0x63})
    usage.update({118: 0x58, 119: 0x57})

    codes = {index: code(0x20, 0x00, u) for index, u in usage.items()}
    modifiers = {84: 0x02, 95: 0x20, 105: 0x01, 106: 0x08, 107: 0x04, 109: 0x40,
                 112: 0x10, 125: 0x80}
    for index, bits in modifiers.items():
        codes[index] = code(0x20, bits, 0x00)
    codes[16] = code(0xA0, 0x1B, 0x00)  # game mode
    codes[17] = code(0xA0, 0x24, 0x00)
    codes[110] = code(0xA0, 0x01, 0x00)  # Fn
    for m in range(5):
        codes[120 + m] = code(0xD0, 0xA2, 1 + m)  # M1-M5
    assert sorted(codes) == list(range(126))
    return [codes[i] for i in range(126)]


# Keyboard functions of type 0xA0 placed on the key their name refers to (the Fn layer).
KEYBOARD_FN_FUNCTIONS = {
    0: 0x08,  # Esc
    106: 0x04,  # left Windows: Windows-key lock
    44: 0x05,  # W
    96: 0x09, 114: 0x0A, 115: 0x0B, 113: 0x0C,  # Up, Down, Right, Left
    119: 0x0D, 41: 0x0E, 117: 0x0F,  # Num +, Num -, Num .
    35: 0x11, 56: 0x12, 36: 0x13, 57: 0x14, 37: 0x15, 58: 0x16,  # Ins Del Home End PgUp PgDn
    13: 0x18, 15: 0x19, 12: 0x1A,  # Print Screen, Pause, F12
}

# Light indexes of the keyboard's 23 key columns (the column rainbow of its lighting).
KEYBOARD_COLUMNS = [
    [120, 121, 122, 84, 105], [21, 42, 63, 102, 106], [0, 22, 43, 64, 85, 107],
    [1, 23, 44, 65, 86], [2, 24, 45, 66, 87], [3, 25, 46, 67, 88],
    [4, 26, 47, 68, 89, 108], [27, 48, 69, 90], [5, 28, 49, 70, 91],
    [6, 29, 50, 71, 92, 109], [7, 30, 51, 72, 93, 125], [8, 31, 52, 73, 94, 110],
    [9, 32, 53, 74, 111], [10, 33, 54, 62], [11, 34, 75, 95, 112], [12, 34, 95, 112],
    [13, 35, 56, 113], [14, 36, 57, 96, 114], [15, 37, 58, 115], [38, 59, 76, 97, 116],
    [39, 60, 77, 98, 116], [40, 61, 78, 99, 117], [41, 119, 118, 118],
]
FIRST_STRIP_LIGHT = 126
STRIP_LIGHTS = 24

UP = [1, 3, 5, 7, 10, 14, 18, 22, 26, 32, 38, 44, 50, 57, 65, 73, 81, 89, 99, 109, 119, 129,
      140, 152, 164, 176, 188, 200, 213, 227, 241, 255]
DOWN = [248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77, 69, 61,
        53, 47, 41, 35, 29, 24, 20, 16, 12, 8, 6, 4, 2, 0]


def spectrum(index):
    segment, k = divmod(index % 192, 32)
    return [
        (255, UP[k], 0), (DOWN[k], 255, 0), (0, 255, UP[k]),
        (0, DOWN[k], 255), (UP[k], 0, 255), (255, 0, DOWN[k]),
    ][segment]


def rgba(red, green, blue):
    return {"Red": red, "Green": green, "Blue": blue, "Alpha": 255}


def custom_group_rainbow():
    colours = [(0, 0, 0)] * KEYBOARD_LIGHTS
    for column, lights in enumerate(KEYBOARD_COLUMNS):
        for light in lights:
            colours[light] = spectrum(7 * column)
    for i in range(STRIP_LIGHTS):
        colours[FIRST_STRIP_LIGHT + i] = spectrum(8 * i)
    return colours


def custom_group_gaming():
    highlight = {0, 44, 64, 65, 66, 96, 113, 114, 115}  # Esc, WASD, arrows
    colours = []
    for light in range(KEYBOARD_LIGHTS):
        if light in highlight or FIRST_STRIP_LIGHT <= light < FIRST_STRIP_LIGHT + STRIP_LIGHTS:
            colours.append((255, 0, 0))
        elif light < FIRST_STRIP_LIGHT:
            colours.append((0, 60, 255))
        else:
            colours.append((0, 0, 0))
    return colours


def custom_group_white():
    return [(255, 255, 255) if light < FIRST_STRIP_LIGHT + STRIP_LIGHTS else (0, 0, 0)
            for light in range(KEYBOARD_LIGHTS)]


def custom_group_rows():
    rows = [  # key index ranges of the board's rows, top to bottom, and their colour
        (list(range(0, 21)), (255, 0, 0)),
        (list(range(21, 42)), (255, 128, 0)),
        (list(range(42, 62)), (255, 230, 0)),
        (list(range(62, 84)), (0, 255, 60)),
        (list(range(84, 105)), (0, 200, 255)),
        (list(range(105, 120)) + [125], (0, 60, 255)),
        (list(range(120, 125)), (200, 0, 255)),
    ]
    colours = [(0, 0, 0)] * KEYBOARD_LIGHTS
    for lights, colour in rows:
        for light in lights:
            colours[light] = colour
    for i in range(STRIP_LIGHTS):
        colours[FIRST_STRIP_LIGHT + i] = (200, 0, 255)
    return colours


def keyboard_document():
    identity = keyboard_identity_codes()
    key_list = []
    for index, default in enumerate(identity):
        fn = KEYBOARD_FN_FUNCTIONS.get(index)
        key_list.append(key_entry(default, None if fn is None else code(0xA0, fn, 0x00)))
    groups = [custom_group_rainbow(), custom_group_gaming(), custom_group_white(),
              custom_group_rows()]
    section = {
        "LightInfo": light_info(1, 255, 0, 0),
        "AudioLightInfo": keyboard_audio_light(),
        "LightList": no_light_effects(KEYBOARD_LIGHTS),
        "KeyList": key_list,
        "SystemStages": {
            "Repeat": 31,
            "RepeatDelay": 1,
            "Key6Flag": 0,
            "PollingRate": 3,
            "WFlag": 0,
            "WinFlag": 0,
        },
        "FnKeysetFlag": False,
        "CustomLightMode": {
            "CustomLightModeGroupIndex": 0,
            "LightColorInfo": [[rgba(*c) for c in group] for group in groups],
        },
    }
    return profile_document(section)


def keyboard_audio_light():
    return {
        "AudioMode": 0,
        "BkColorR": 0,
        "BkColorG": 0,
        "BkColorB": 40,
        "FgColorR": 0,
        "FgColorG": 200,
        "FgColorB": 255,
        "7ColorFlags": 1,
        "ColorTypeFlags": 1,
    }


# ---------------------------------------------------------------------------------------
# Mouse.

# Factory codes of the 11 logical buttons: left, right, middle, forward, back, DPI up,
# DPI down, DPI cycle, mode, DPI shift, fire.
MOUSE_BUTTON_CODES = [
    code(0x10, 0x01, 0x00), code(0x10, 0x02, 0x00), code(0x10, 0x04, 0x00),
    code(0x10, 0x10, 0x00), code(0x10, 0x08, 0x00), code(0x13, 0x01, 0x00),
    code(0x13, 0x02, 0x00), code(0x13, 0x03, 0x00), code(0xA0, 0x1B, 0x00),
    code(0x16, 0x90, 0x01), code(0x14, 0x78, 0x02),
]

LOWEST_DPI = 100
DPI_PER_STEP = 100
DPI_STAGES = [  # DPI, colour
    (400, (255, 0, 0)),
    (800, (0, 80, 255)),
    (1600, (0, 255, 0)),
    (3200, (255, 200, 0)),
    (4800, (255, 0, 255)),
]


def dpi_stage(dpi, colour):
    step = (dpi - LOWEST_DPI) // DPI_PER_STEP
    return {
        "StageActive": 1,
        "StageXY": 0,
        "StageDPIX": step,
        "StageDPIY": step,
        "StageColorR": colour[0],
        "StageColorG": colour[1],
        "StageColorB": colour[2],
    }


def mouse_document():
    section = {
        "LightInfo": light_info(0, 255, 0, 0),
        "LightList": no_light_effects(MOUSE_LIGHTS),
        "KeyList": [key_entry(c) for c in MOUSE_BUTTON_CODES],
        "DPIStages": {
            "StageActive": 2,
            "StageDPIs": [dpi_stage(dpi, colour) for dpi, colour in DPI_STAGES],
        },
        "SystemStages": {
            "DoubleClickTime": 500,
            "MouseSpeed": 10,
            "PointerPrecision": 1,
            "ScorllPage": 0,
            "WheelScorlllinse": 3,
        },
        "ReportStages": {"StageActive": 3},
        "CorrectInfo": [
            {"CorrectName": "mouse_correct_name_%d" % i, "CorrectPixThresh": thresh,
             "CorrectMinSq": min_sq, "CorrectSelect": 0}
            for i, (thresh, min_sq) in enumerate([(2, 4), (4, 16), (8, 64)])
        ],
    }
    return profile_document(section)


# ---------------------------------------------------------------------------------------
# Mouse-pad and headset.


def pad_document():
    section = {
        "LightInfo": light_info(0, 0, 200, 255),
        "LightList": no_light_effects(PAD_LIGHTS),
    }
    return profile_document(section)


EQ_PRESETS = [
    [7, 11, 2, -3, -1, 4, 9, 12, 9, 5],
    [7, 11, 6, -3, -11, -1, 6, 13, 6, 13],
    [10, 4, 0, -3, -4, -3, -2, -1, 0, 0],
    [2, 1, -2, -3, -5, -7, 0, 4, 9, 8],
    [0] * 10,
    [7, 14, -13, -6, -1, 8, 13, 7, 2, 6],
    [14, 10, 4, 0, -4, -3, -1, 1, 2, 3],
    [2, 1, -2, -3, -5, -1, 7, 11, 15, 13],
    [8, 2, -4, -8, 1, 3, 8, 11, 14, 16],
    [-3, 4, 10, 0, -11, 3, 9, 13, 6, 0],
    [18, 14, 8, 2, -3, -6, -1, 2, 5, 6],
    [2, 1, -2, -4, -8, 4, 12, 16, 18, 15],
]
FLAT_EQ_PRESET = 5


def bands(values):
    return [{"value": v} for v in values]


def headset_document():
    # Index 0 is "no equaliser", 1-12 the presets and 13 the last custom curve applied.
    presets = [[0] * 10] + EQ_PRESETS + [[0] * 10]
    section = {
        "LightInfo": light_info(0, 255, 0, 0),
        "LightList": no_light_effects(HEADSET_LIGHTS),
        "SystemSetStages": {
            "MagicEnable": 0,
            "MagicType": 1,
            "EqType": FLAT_EQ_PRESET,
            "CustomEqSeletIndex": -1,
            "MicInSelect": 1,
            "MicInValue": 80,
            "MicMoniterSelect": 0,
            "MicMoniterValue": 50,
        },
        "EQHzValueInfo": [bands(p) for p in presets],
        "CustomEQHzValueInfo": [],
        "CustomEQNameInfo": [],
    }
    return profile_document(section)


# ---------------------------------------------------------------------------------------
# default_light.json


def modes(prefix, values, hidden=()):
    return [{"LightName": "%s_%d" % (prefix, i), "visible": i not in hidden, "value": v}
            for i, v in enumerate(values)]


def areas(prefix, count):
    return [{"LightName": "%s_%d" % (prefix, i)} for i in range(count)]


def default_light_document():
    keyboard = modes("light_mode_keyboard", range(31), hidden={0, 29})
    mouse = modes("light_mode_mouse", range(12))
    pad = modes("light_mode_pad", [1, 2, 3, 4, 5, 6, 7, 8, 0])
    headset = modes("light_mode_headset", range(9), hidden={5})
    return {
        "DefaultLightName": [keyboard, mouse, pad, headset],
        "AreaLightName": [
            areas("light_area_keyboard", 2),
            areas("light_area_mouse", 3),
            areas("light_area_pad", 1),
            areas("light_area_headset", 3),
        ],
    }


# ---------------------------------------------------------------------------------------
# Weapons: recoil pulls the aim up, so each bullet moves the mouse down by an amount that
# grows over the first shots and then settles, with a small sideways drift.

BULLETS = 30
WEAPONS = [  # name key, ms between shots, first pull, peak, settled pull, sideways drift
    ("shoot_weapon_name_0", 100, 3, 9, 6, 2.0),
    ("shoot_weapon_name_1", 67, 2, 6, 4, 1.5),
    ("shoot_weapon_name_2", 80, 4, 11, 8, 2.5),
    ("shoot_weapon_name_3", 200, 6, 12, 9, 1.0),
]
RAMP_BULLETS = 7


def recoil_pull(bullet, first, peak, settled):
    if bullet <= RAMP_BULLETS:
        return round(first + (peak - first) * bullet / RAMP_BULLETS)
    return round(settled + (peak - settled) * math.exp(-(bullet - RAMP_BULLETS) / 4.0))


def recoil_drift(bullet, amplitude, weapon):
    return round(amplitude * math.sin(2 * math.pi * (bullet + 3 * weapon) / 11.0))


def move(action, distance, delay, kind):
    return {"Action": action, "Button": distance, "Delay": delay, "Type": kind}


def weapon_document(index):
    name, period_ms, first, peak, settled, drift = WEAPONS[index]
    # A bullet's events take 10 ms (press) + 5 ms (sideways move) before its own delay.
    bullet_delay = period_ms - 15
    events = []
    for bullet in range(BULLETS):
        dx = recoil_drift(bullet, drift, index)
        x_action = "down" if dx < 0 else "up"  # "down" moves left
        y_action = "up"  # "up" moves the mouse down, against the recoil
        events += [
            move("down", 1, 10, 1),
            move("up", 1, 0, 1),
            move(x_action, abs(dx), 5, 4),
            move(y_action, recoil_pull(bullet, first, peak, settled), bullet_delay, 5),
            move(x_action, 0, 0, 4),
            move(y_action, 0, 0, 5),
        ]
    return {
        "MacroName": name,
        "Guid": "2024_06_01_12_00_00_%03d" % index,
        "Events": events,
        "Version": 64,
    }


# ---------------------------------------------------------------------------------------
# AudioFile.json


def audio_file_document():
    styles = [(9, 3, 0), (0, 4, 9), (1, 9, 2), (6, 0, 9)]  # each component 0-9
    record = {"nAudioStyle": 0}
    for i, (r, g, b) in enumerate(styles):
        record["nStyleName%d" % (i + 1)] = "music_style_name_%d" % (i + 1)
        record["nStyleR%d" % i] = r
        record["nStyleG%d" % i] = g
        record["nStyleB%d" % i] = b
    return {"AudioLightInfo": record, "Device": [{"AudioLightInfo": keyboard_audio_light()}]}


# ---------------------------------------------------------------------------------------


def documents():
    files = {
        "RM52X31C.Json": mouse_document(),
        "RM52X30C.Json": keyboard_document(),
        "RM52X23C_1.Json": pad_document(),
        "HS6533.Json": headset_document(),
        "default_light.json": default_light_document(),
        "AudioFile.json": audio_file_document(),
    }
    for n in range(len(WEAPONS)):
        files["ShootData_%d.Shoot" % n] = weapon_document(n)
    return {name: stored_form(doc) for name, doc in files.items()}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in DefaultData/ instead of writing")
    args = parser.parse_args()
    differing = []
    for name, text in documents().items():
        path = DEFAULT_DATA / name
        data = text.encode("ascii")
        if args.check:
            if not path.exists() or path.read_bytes() != data:
                differing.append(name)
        else:
            path.write_bytes(data)
    for name in differing:
        print("differs: DefaultData/%s" % name, file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
