#pragma once
// The keyboard's system options as the page and the settings record use them. The profile
// keeps them as three words of two halves ("SystemStages"); see SystemOptionsWords.h.

#include <cstdint>

namespace ilmo::keyboard {

struct SystemOptions {
    uint16_t repeat = 0;        // "Repeat": key repeat rate, the slider's value
    uint16_t repeat_delay = 0;  // "RepeatDelay": step 0-3
    uint16_t six_key = 0;       // "Key6Flag": six-key rollover
    uint16_t polling_rate = 0;  // "PollingRate": step 0-3
    uint16_t w_key = 0;         // "WFlag"
    uint16_t win_lock = 0;      // "WinFlag": Windows-key lock
    bool operator==(const SystemOptions&) const = default;
};

}  // namespace ilmo::keyboard
