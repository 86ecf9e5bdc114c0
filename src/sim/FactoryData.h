#pragma once
// What each firmware model holds when it leaves the factory: its information record, its
// default key or button table and its key-position-to-LED table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
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
// The room for the recoil patterns (0x17); the host packs its container for the same room.
inline constexpr size_t kShootMemoryBytes = 8 * 1024;

// The mouse's motion sensor as its information record announces it: the host turns slider
// steps into DPI with these, and sensor 0x3325 counts 200 DPI a step above step 48.
struct MouseSensor {
    uint16_t id = 0;
    int dpi_step = 0;
    int highest_step = 0;
    int lowest_dpi = 0;
};
inline constexpr MouseSensor kHighDpiSensor{0x3325, 100, 148, 100};  // fitted at the factory
inline constexpr MouseSensor kStandardSensor{0x3360, 50, 319, 50};

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

// Writes the sensor's fields into an information record.
void put_sensor(std::span<uint8_t, kInfoBytes> info, const MouseSensor& sensor);

}  // namespace ilmo::sim
