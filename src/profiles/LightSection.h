#pragma once
// The lighting sections of a profile: "LightInfo" (the device's lighting state), "LightList"
// (one effect per light) and "AudioLightInfo" (colours of the music lighting). The records
// keep the byte layout the device and the effect engine work with.

#include "device/LightingTypes.h"
#include <json/value.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ilmo::profiles {

constexpr size_t kLightRecordBytes = 14;

using device::LightRecord;

std::array<uint8_t, kLightRecordBytes> light_record_bytes(const LightRecord& record);
LightRecord light_record_from_bytes(std::span<const uint8_t, kLightRecordBytes> bytes);


// The 9-byte music lighting record.
struct AudioLightRecord {
    uint8_t audio_mode = 0;  // visualiser 0-6
    uint8_t background_red = 0;
    uint8_t background_green = 0;
    uint8_t background_blue = 0;
    uint8_t foreground_red = 0;
    uint8_t foreground_green = 0;
    uint8_t foreground_blue = 0;
    uint8_t seven_color = 0;       // "7ColorFlags": foreground from the colour wheel
    uint8_t edits_foreground = 0;  // "ColorTypeFlags": which colour the palette edits
    bool operator==(const AudioLightRecord&) const = default;
};

// Nothing when the section has no "LightInfo" object: the caller then uses its fallback.
std::optional<LightRecord> decode_light_info(const Json::Value& section);
// Stores bytes 0-7 and 11-13; bytes 8-10 belong to nobody's document.
void encode_light_info(Json::Value& section, const LightRecord& record);

// All zero when the section has no "AudioLightInfo".
AudioLightRecord decode_audio_light_info(const Json::Value& section);
void encode_audio_light_info(Json::Value& section, const AudioLightRecord& record);

// One record per "LightList" element; an element that is not an object gives an all-zero
// record whose present flag is 0.
std::vector<LightRecord> decode_light_list(const Json::Value& section);

}  // namespace ilmo::profiles
