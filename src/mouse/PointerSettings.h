#pragma once
// The mouse profile's system settings: three 32-bit words of two halves, double-click time |
// pointer speed << 16, pointer precision | scroll by page << 16, wheel lines | polling rate
// index << 16. The profile keeps them; nothing passes them to the desktop or the mouse
// (the polling rate reaches the mouse through the settings block). Pure functions.

#include "profiles/SystemStagesSection.h"

namespace ilmo::mouse {

struct PointerSettings {
    int double_click_ms = 500;
    int pointer_speed = 10;
    bool pointer_precision = true;
    bool scroll_by_page = false;
    int wheel_lines = 3;
    bool operator==(const PointerSettings&) const = default;
};

PointerSettings pointer_settings_of(const profiles::SystemWords& words);
// `words` with the pointer settings replaced; the polling rate half stays.
profiles::SystemWords with_pointer_settings(profiles::SystemWords words,
                                            const PointerSettings& settings);
// The polling rate index; one outside 0-4 reads as 0.
int polling_rate_of(const profiles::SystemWords& words);
profiles::SystemWords with_polling_rate(profiles::SystemWords words, int polling_rate);

}  // namespace ilmo::mouse
