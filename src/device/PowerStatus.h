#pragma once
// The 6-byte power status record (battery, charge state, link, phone on a charging pad) and
// what a power display shows for it. Pure functions.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "device/DeviceTables.h"

namespace ilmo::device {

constexpr size_t kPowerStatusBytes = 6;

enum class ChargeState { Powered = 0, Charging = 1, Battery = 2 };

struct PowerStatus {
    std::array<uint8_t, kPowerStatusBytes> bytes{};

    int battery_percent() const { return bytes[0]; }
    int charge_state() const { return bytes[1]; }
    bool on_receiver() const { return bytes[3] == 1; }
    int phone_type() const { return bytes[5]; }
};

// Byte 3 is the host's own word on the link: 1 while the device is reached through its
// receiver, whatever the device put there.
PowerStatus decode_power_status(std::span<const uint8_t, kPowerStatusBytes> record,
                                bool receiver_mode);

// What the power display shows.
std::string battery_text(const PowerStatus& status);            // "57%"
int battery_progress(const PowerStatus& status);                // 100 - level
std::string_view charge_image(const PowerStatus& status);       // "file='power/...png'"
// The charging phone on a mouse-pad: a language key and its picture.
std::string_view phone_type_key(const PowerStatus& status);
std::string_view phone_type_image(const PowerStatus& status);

}  // namespace ilmo::device
