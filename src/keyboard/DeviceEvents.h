#pragma once
// What the keyboard's and the mouse-pad's event codes ask of the host. The code of an event
// report is the first usage of its first button field (device/HidEventCode.h).

#include <cstdint>

namespace ilmo::keyboard {

struct KeyboardEvent {
    enum class Kind {
        None,               // nothing to do
        Resync,             // read the keyboard's settings again
        ResyncAfterChange,  // the same, after the keyboard changed its profile data itself
        KeepAlive,
        KeyDown,        // `position`: the key's position in the key table
        KeyUp,          // `position`
        ProfileSwitch,  // `profile`; `secondary` too when the code carried one, else -1
    } kind = Kind::None;
    int position = -1;
    int profile = -1;
    int secondary = -1;
    bool operator==(const KeyboardEvent&) const = default;
};

// `cable_reader`: read from the cabled keyboard's event interface. The receiver's reader
// acts on resynchronisation and profile switches only.
KeyboardEvent decode_keyboard_event(uint16_t code, bool cable_reader);

enum class PadEvent { None, Refresh, KeepAlive };
PadEvent decode_pad_event(uint16_t code);

}  // namespace ilmo::keyboard
