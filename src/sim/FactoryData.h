#pragma once
// What each firmware model holds when it leaves the factory: its information record, its
// default key or button table and its key-position-to-LED table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/SimProduct.h"

namespace ilmo::sim {

inline constexpr size_t kInfoBytes = 34;
inline constexpr size_t kTableBytes = 512;       // one table bank
inline constexpr size_t kMaxKeyPositions = 170;  // 3-byte codes of 170 positions fill a bank
inline constexpr size_t kPowerStatusBytes = 6;

// Offsets of the information record's fields.
namespace info_byte {
inline constexpr size_t kKeyPositions = 5;  // the mouse's button count
inline constexpr size_t kMacroUnits = 6;    // macro memory in units of 128 bytes
inline constexpr size_t kSensorId = 9;      // 16-bit, little-endian
inline constexpr size_t kDpiStep = 11;
inline constexpr size_t kHighestStep = 12;  // 16-bit
inline constexpr size_t kLowestDpi = 14;    // 16-bit
}  // namespace info_byte

inline constexpr size_t kMacroUnitBytes = 128;

// Offsets of the power status record's fields.
namespace power_byte {
inline constexpr size_t kBatteryPercent = 0;
inline constexpr size_t kChargeState = 1;  // 0, 1 charging, 2
inline constexpr size_t kPhoneType = 5;    // the pad's charging phone
}  // namespace power_byte

struct FactoryImage {
    std::array<uint8_t, kInfoBytes> info{};
    std::vector<uint8_t> default_table;  // kTableBytes: a 3-byte code per position or slot
    std::vector<uint8_t> led_table;      // kMaxKeyPositions: LED of each position, 0xFF none
    std::array<uint8_t, kPowerStatusBytes> power_status{};
};

FactoryImage factory_image(FirmwareKind kind);

}  // namespace ilmo::sim
