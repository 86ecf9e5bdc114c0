#pragma once
// Keyboards with a release number below 1.10 get the offer of a firmware update when they are
// attached. Release 0 is a keyboard that does not report one, and is left alone.

#include <cstdint>

namespace ilmo::keyboard {

inline constexpr uint16_t kFirstCurrentRelease = 0x0110;

constexpr bool firmware_update_offered(uint16_t release) {
    return release != 0 && release < kFirstCurrentRelease;
}

}  // namespace ilmo::keyboard
