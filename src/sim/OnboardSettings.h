#pragma once
// The settings a device keeps per on-board profile in its configuration memory, and the
// values it leaves the factory with. Byte 0 of that memory is the active on-board profile.
//   keyboard: a 34-byte lighting record per profile at profile x 33 (so a record's last byte
//             is the next one's first);
//   mouse:    a 71-byte settings block per profile at profile x 128, with five DPI stages;
//   mouse-pad: a 21-byte record at profile x 64, read back as the first 21 of 34 bytes at
//             profile x 33 (the same place for profile 0, the only one it has).
// Pure functions.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/SimProduct.h"

namespace ilmo::sim {

inline constexpr size_t kActiveProfileAddress = 0;

// Bytes 0-8, laid out alike in the keyboard's, the mouse's and the pad's records.
namespace lighting_byte {
inline constexpr size_t kProfile = 0;
inline constexpr size_t kMode = 1;
inline constexpr size_t kBrightness = 2;  // level 0-4
inline constexpr size_t kSpeed = 3;       // stored as 4 - speed level
inline constexpr size_t kDirection = 4;
inline constexpr size_t kColourful = 5;
inline constexpr size_t kRed = 6;
inline constexpr size_t kGreen = 7;
inline constexpr size_t kBlue = 8;
}  // namespace lighting_byte

// Bytes 18-21 and 25 (second mode byte, W-key, six-key and Windows-key flags, custom group)
// are 0 out of the factory.
namespace keyboard_record {
inline constexpr size_t kBytes = 34;
inline constexpr size_t kStride = 33;
inline constexpr size_t kPollingRate = 22;  // step 0-3
}  // namespace keyboard_record

// The mouse's lighting mode that flashes every LED when a button goes down.
inline constexpr int kMouseReactiveMode = 6;

namespace mouse_block {
inline constexpr size_t kBytes = 71;
inline constexpr size_t kStride = 128;
inline constexpr size_t kPollingRate = 11;  // index 0-4
inline constexpr size_t kDpiStage = 12;     // the current stage 0-4
inline constexpr size_t kStages = 14;       // five 9-byte stage records
inline constexpr size_t kStageBytes = 9;
inline constexpr size_t kStageCount = 5;
inline constexpr size_t kScreenFlag = 59;
inline constexpr size_t kScreenWidth = 60;   // 16-bit
inline constexpr size_t kScreenHeight = 62;  // 16-bit
}  // namespace mouse_block

namespace pad_record {
inline constexpr size_t kBytes = 21;
inline constexpr size_t kStride = 64;
}  // namespace pad_record

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
};

// The lighting fields every record shares, in the same order from byte 1.
struct LightingSettings {
    int mode_code = 0;
    int brightness_level = 4;  // 0-4
    int speed_level = 2;       // 0-4; the record stores 4 - level
    int direction = 1;
    bool colourful = true;
    Rgb colour;
};

struct KeyboardProfile {
    LightingSettings lighting;
    int polling_rate_step = 0;
};

struct DpiStage {
    bool enabled = true;
    int x_steps = 0;  // slider steps, not DPI
    int y_steps = 0;
    Rgb colour;
};

struct MouseProfile {
    LightingSettings lighting;
    int polling_rate_index = 0;
    int dpi_stage = 0;
    std::array<DpiStage, mouse_block::kStageCount> stages{};
    int screen_width_px = 0;
    int screen_height_px = 0;
};

std::array<uint8_t, keyboard_record::kBytes> keyboard_lighting_record(
    int profile, const KeyboardProfile& settings);
std::array<uint8_t, mouse_block::kBytes> mouse_settings_block(int profile,
                                                              const MouseProfile& settings);
std::array<uint8_t, pad_record::kBytes> pad_settings_record(int profile,
                                                            const LightingSettings& settings);

// On-board profiles the firmware keeps; 0 for a product without configuration memory.
int onboard_profile_count(FirmwareKind kind);
// Where the settings of `profile` start in the configuration memory.
size_t profile_address(FirmwareKind kind, int profile);
// The configuration memory as it leaves the factory, from address 0: every on-board
// profile filled, profile 0 active.
std::vector<uint8_t> factory_configuration(FirmwareKind kind);

}  // namespace ilmo::sim
