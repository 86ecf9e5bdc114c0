#pragma once
// Records whose bytes are recognisable in a failure message: 0x80 + their offset, so a byte
// the code under test should have kept shows where it came from.

#include <array>
#include <cstdint>
#include <numeric>

namespace ilmo::keyboard {

template <typename Record>
Record patterned() {
    Record record;
    std::iota(record.begin(), record.end(), uint8_t{0x80});
    return record;
}

}  // namespace ilmo::keyboard
