#include "device/HidEventCode.h"

#include <algorithm>

namespace ilmo::device {

uint16_t event_code(const TopLevelCollection& collection, std::span<const uint8_t> report) {
    const std::vector<HidDataEntry> entries = unpack_input_report(collection, report);
    const auto buttons = std::find_if(entries.begin(), entries.end(),
                                      [](const HidDataEntry& e) { return e.is_button; });
    if (buttons == entries.end() || buttons->usages.empty()) return 0;
    return static_cast<uint16_t>(buttons->usages.front());
}

}  // namespace ilmo::device
