#pragma once
// The signed number held in the low `bits` bits of a HID item or report element.

#include <cstdint>

namespace ilmo::device {

inline int32_t sign_extend(uint32_t value, unsigned bits) {
    if (bits == 0 || bits >= 32) return static_cast<int32_t>(value);
    const uint32_t sign = 1u << (bits - 1);
    value &= (sign << 1) - 1;
    return static_cast<int32_t>((value ^ sign) - sign);
}

}  // namespace ilmo::device
