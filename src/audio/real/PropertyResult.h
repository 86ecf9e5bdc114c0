#pragma once
// What a PropertyControl call answers: 0 success, anything else failure with its reason.

#include <cstdint>

namespace ilmo::audio {

enum class PropertyResult : int32_t {
    Ok = 0,
    Unsupported = 1,  // the property is unknown, or not offered by this library or device
    NoDevice = 2,     // the descriptor is not one the device list holds, or it has gone
    BadValue = 3,     // the value buffer holds nothing usable
    Failed = 4,       // the mixer or the sound server refused or did not answer
};

constexpr int32_t to_int(PropertyResult result) {
    return static_cast<int32_t>(result);
}

}  // namespace ilmo::audio
