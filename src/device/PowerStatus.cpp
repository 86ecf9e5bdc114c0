#include "device/PowerStatus.h"

#include <algorithm>

namespace ilmo::device {

PowerStatus decode_power_status(std::span<const uint8_t, kPowerStatusBytes> record,
                                bool receiver_mode) {
    PowerStatus status;
    std::copy(record.begin(), record.end(), status.bytes.begin());
    status.bytes[3] = receiver_mode ? 1 : 0;
    return status;
}

std::string battery_text(const PowerStatus& status) {
    return std::to_string(status.battery_percent()) + "%";
}

int battery_progress(const PowerStatus& status) { return 100 - status.battery_percent(); }

std::string_view charge_image(const PowerStatus& status) {
    switch (status.charge_state()) {
        case 0: return "file='power/powered.png'";
        case 1: return "file='power/powering.png'";
        case 2: return "file='power/power.png'";
        default: return {};
    }
}

std::string_view phone_type_key(const PowerStatus& status) {
    switch (status.phone_type()) {
        case 1: return "Phone_type_iphone";
        case 2: return "Phone_type_samsung";
        case 3: return "Phone_type_other";
        default: return "Phone_type_no_device";
    }
}

std::string_view phone_type_image(const PowerStatus& status) {
    switch (status.phone_type()) {
        case 1: return "file='power/Phone_type_iphone.png'";
        case 2: return "file='power/Phone_type_samsung.png'";
        case 3: return "file='power/Phone_type_other.png'";
        default: return "file='power/Phone_type_no_device.png'";
    }
}

}  // namespace ilmo::device
