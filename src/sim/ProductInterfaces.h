#pragma once
// The HID interfaces each emulated product exposes, as report descriptor bytes. Besides the
// command and event collections the host looks for, every product carries the ordinary
// interfaces of such hardware (boot keyboard, mouse, system control, other vendor pages),
// which the host must pass over.

#include <cstdint>
#include <vector>

#include "sim/SimProduct.h"

namespace ilmo::sim {

// Report ids of the two collections the host talks to.
inline constexpr uint8_t kCommandReportId = 0x04;
inline constexpr uint8_t kEventReportId = 0x03;
inline constexpr size_t kCommandReportBytes = 64;  // id byte included

struct ProductInterface {
    int interface_number = 0;
    std::vector<uint8_t> report_descriptor;
    // 1-based index of the top-level collection whose packets the firmware answers; 0: none.
    int command_collection = 0;
    // 1-based index of the consumer collection that carries event reports; 0: none.
    int event_collection = 0;
    // 1-based index of the full keyboard collection that carries key reports; 0: none.
    int keys_collection = 0;
};

std::vector<ProductInterface> product_interfaces(SimProduct product);

}  // namespace ilmo::sim
