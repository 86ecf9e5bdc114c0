#pragma once
// Faults a product (or one receiver route) can be told to show on its command collection.

#include <cstdint>

namespace ilmo::sim {

struct SimFaults {
    bool no_answer = false;     // requests are taken (the write succeeds) but never answered
    bool wrong_echo = false;    // answers carry another command code in byte 3
    uint8_t forced_status = 0;  // non-zero: replaces the status byte of every answer (0xFF, 0xFE)
    // -1: never. N >= 0: N more packets are answered, then the product drops off the bus when
    // the next one arrives (that write fails), as a cable pulled in the middle of a transfer.
    int unplug_after_packets = -1;
    int response_delay_ms = 0;  // a slow device: answers become readable this much later
};

}  // namespace ilmo::sim
