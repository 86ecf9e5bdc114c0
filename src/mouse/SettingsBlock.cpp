#include "mouse/SettingsBlock.h"

#include <algorithm>
#include <limits>

#include "keyboard/LightBytes.h"

namespace ilmo::mouse {

namespace {

enum Byte : size_t {
    kProfile = 0,
    kModeCode = 1,
    kDirection = 4,
    kPollingRate = 11,
    kCurrentStage = 12,
    kFirstStage = 14,
    kScreenFlag = 59,
    kScreenWidth = 60,
    kScreenHeight = 62,
    kCorrectionMinSquare = 64,
    kCorrectionPixelThreshold = 65,
};

void put_le16(SettingsBlock& block, size_t at, int value) {
    const int clamped = std::clamp(value, 0, int{std::numeric_limits<uint16_t>::max()});
    block[at] = static_cast<uint8_t>(clamped);
    block[at + 1] = static_cast<uint8_t>(clamped >> 8);
}

uint8_t clamped_byte(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, int{std::numeric_limits<uint8_t>::max()}));
}

// A value outside 0 .. count − 1 goes out as 0, the first choice the mouse has.
uint8_t index_or_zero(int value, int count) {
    return value >= 0 && value < count ? static_cast<uint8_t>(value) : 0;
}

// -1 when the byte names none of `count` choices.
int index_or_none(uint8_t byte, int count) {
    return byte < count ? byte : -1;
}

// The mouse runs only its built-in effects: a user effect, or an index past the list, sends
// the first entry's code.
uint8_t mode_code_of(int mode, const std::vector<int>& mode_codes) {
    if (mode_codes.empty()) return 0;
    const bool runnable = mode < kFirstUserMode && static_cast<size_t>(mode) < mode_codes.size();
    return static_cast<uint8_t>(mode_codes[runnable ? static_cast<size_t>(mode) : 0]);
}

void put_stage(SettingsBlock& block, size_t at, const profiles::DpiStage& stage,
               int highest_step) {
    const auto step = [highest_step](int value) { return std::clamp(value, 0, highest_step); };
    block[at] = stage.enabled;
    block[at + 1] = stage.separate_xy;
    put_le16(block, at + 2, step(stage.dpi_x_step));
    put_le16(block, at + 4, step(stage.dpi_y_step));
    block[at + 6] = stage.red;
    block[at + 7] = stage.green;
    block[at + 8] = stage.blue;
}

void put_correction(SettingsBlock& block,
                    const std::vector<profiles::CorrectionSetting>& corrections) {
    const auto selected =
        std::find_if(corrections.begin(), corrections.end(),
                     [](const profiles::CorrectionSetting& c) { return c.select != 0; });
    if (selected == corrections.end()) return;
    block[kCorrectionMinSquare] = clamped_byte(selected->min_square);
    block[kCorrectionPixelThreshold] = clamped_byte(selected->pixel_threshold);
}

}  // namespace

uint16_t settings_block_address(int profile) {
    return static_cast<uint16_t>(profile * kBlockStride);
}

SettingsBlock encode_settings_block(const BlockSource& source) {
    SettingsBlock block{};
    block[kProfile] = source.first_byte;
    block[kModeCode] = mode_code_of(source.light.mode, source.mode_codes);
    keyboard::put_light_bytes(block, source.light);
    block[kDirection] = source.light.direction;
    block[kPollingRate] = index_or_zero(source.polling_rate, kPollingRates);
    block[kCurrentStage] = index_or_zero(source.dpi_stage, static_cast<int>(kStageCount));
    const size_t stages = std::min(source.stages.size(), kStageCount);
    for (size_t i = 0; i < stages; ++i)
        put_stage(block, kFirstStage + i * kStageRecordBytes, source.stages[i],
                  std::clamp(source.highest_step, 0, 0xFFFF));
    block[kScreenFlag] = source.screen_flag;
    put_le16(block, kScreenWidth, source.screen.width_px);
    put_le16(block, kScreenHeight, source.screen.height_px);
    put_correction(block, source.corrections);
    return block;
}

BlockRead decode_settings_block(std::span<const uint8_t, kSettingsBlockBytes> block,
                                const device::LightRecord& host, std::span<const int> mode_codes) {
    BlockRead read{keyboard::take_light_bytes(block, host),
                   index_or_none(block[kCurrentStage], static_cast<int>(kStageCount)),
                   index_or_none(block[kPollingRate], kPollingRates)};
    // Reading the code itself as an index would point past the list; a code the list does
    // not hold leaves the host's mode.
    const auto found = std::find(mode_codes.begin(), mode_codes.end(), block[kModeCode]);
    const auto index = found - mode_codes.begin();
    if (found != mode_codes.end() && index <= std::numeric_limits<uint8_t>::max())
        read.light.mode = static_cast<uint8_t>(index);
    return read;
}

}  // namespace ilmo::mouse
