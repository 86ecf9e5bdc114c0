#pragma once
// What the mouse's event codes ask of the host. Both readers (cable and receiver) see the
// same codes; the reactive flash comes only from the cable reader, the receiver's reader
// takes 0x0403 as it takes every code above 0x0402. Pure function.

#include <cstdint>

namespace ilmo::mouse {

struct MouseEvent {
    enum class Kind {
        None,           // nothing to do (unknown high byte)
        Synchronise,    // 0x0401, 0x0402: read the mouse again
        ReactiveFlash,  // 0x0403 on the cable reader
        ProfileChange,  // `profile`, and `dpi_stage` when the code carried one (else -1)
    } kind = Kind::None;
    int profile = -1;
    int dpi_stage = -1;
    bool operator==(const MouseEvent&) const = default;
};

// 0x10 in bits 8-15: profile = bits 0-3; 0x11: profile = bits 0-3, DPI stage = bits 4-7,
// where a stage past the five the mouse has is dropped (-1), so it changes nothing.
MouseEvent decode_mouse_event(uint16_t code, bool cable_reader);

}  // namespace ilmo::mouse
