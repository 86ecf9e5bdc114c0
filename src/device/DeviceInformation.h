#pragma once
// The 34-byte device information record: key positions, macro memory and DPI limits.

#include <array>
#include <cstddef>
#include <cstdint>

namespace ilmo::device {

struct DeviceInformation {
    static constexpr size_t kBytes = 34;
    std::array<uint8_t, kBytes> bytes{};

    // Keyboard: LED/key positions; mouse: entries of its button table.
    int key_positions() const { return bytes[5]; }
    int button_count() const { return bytes[5]; }
    int macro_memory_bytes() const { return bytes[6] * 128; }
    int sensor_id() const { return word(9); }
    int dpi_step() const { return bytes[11]; }
    int highest_dpi_step() const { return word(12); }
    int lowest_dpi() const { return word(14); }

private:
    int word(size_t at) const { return bytes[at] | (bytes[at + 1] << 8); }
};

}  // namespace ilmo::device
