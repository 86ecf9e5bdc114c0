#pragma once
// The mouse's 71-byte settings block: lighting, polling rate, the current DPI stage, five
// 9-byte DPI stage records, the screen size and the screen-correction values. Profile n's
// block lives at n × 128 in the configuration memory, whose byte 0 is the active on-board
// profile; the host always writes profile 0's. Pure functions.
//
//   0 profile   1 mode code   2 brightness   3 4 − speed   4 direction   5 colourful
//   6-8 colour  9-10 0        11 polling rate 0-4           12 current stage 0-4   13 0
//   14-58 five stage records (enabled, X/Y flag, X steps u16, Y steps u16, R, G, B)
//   59 screen flag   60-61 width u16   62-63 height u16
//   64 correction minimum square   65 correction pixel threshold   66-70 0

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/LightingTypes.h"
#include "profiles/CorrectInfoSection.h"
#include "profiles/DpiStagesSection.h"

namespace ilmo::mouse {

inline constexpr size_t kSettingsBlockBytes = 71;
using SettingsBlock = std::array<uint8_t, kSettingsBlockBytes>;

inline constexpr size_t kStageCount = 5;
inline constexpr size_t kStageRecordBytes = 9;
inline constexpr int kPollingRates = 5;
inline constexpr uint16_t kActiveProfileAddress = 0;
inline constexpr uint16_t kBlockStride = 128;
// Mode list entries from here on are the user's effects, which the mouse cannot run.
inline constexpr int kFirstUserMode = 12;

uint16_t settings_block_address(int profile);

struct ScreenSize {
    int width_px = 0;
    int height_px = 0;
    bool operator==(const ScreenSize&) const = default;
};

// What a block is built from: the profile's values and the screen.
struct BlockSource {
    device::LightRecord light;    // mode = the "SelectItem" index into `mode_codes`
    std::vector<int> mode_codes;  // the "value" of each entry of the mouse's mode list
    int polling_rate = 0;         // "ReportStages"."StageActive"
    int dpi_stage = 0;            // "DPIStages"."StageActive"
    std::vector<profiles::DpiStage> stages;
    std::vector<profiles::CorrectionSetting> corrections;
    ScreenSize screen;
    uint8_t first_byte = 0;   // byte 0; always 0 as the host writes
    uint8_t screen_flag = 1;  // byte 59
    int highest_step = 0xFFFF;  // the mouse's highest slider step
};

// Mode index 12 or more, or one past the list, sends entry 0's code. Levels go out clamped
// to 0-4, a polling rate or current stage outside 0-4 as 0, stages past the list (and past
// five) as zero bytes, steps past `highest_step` as that step, the first correction entry
// whose "CorrectSelect" is non-zero in bytes 64-65 (0 0 when none is), sizes clamped to 16
// bits.
SettingsBlock encode_settings_block(const BlockSource& source);

// What the host takes from a block read back.
struct BlockRead {
    device::LightRecord light;  // the host's record with the block's lighting
    int dpi_stage = -1;         // -1: byte 12 names no stage, the host keeps its own
    int polling_rate = -1;      // -1: byte 11 names no rate
};

// `host` with the mode index of byte 1's code (the first entry of `mode_codes` with it;
// a code no entry has keeps the host's mode), brightness, speed (4 − byte 3), direction,
// colourful flag and colour; levels clamped to 0-4.
BlockRead decode_settings_block(std::span<const uint8_t, kSettingsBlockBytes> block,
                                const device::LightRecord& host,
                                std::span<const int> mode_codes);

}  // namespace ilmo::mouse
