#include "sim/OnboardSettings.h"

#include <algorithm>
#include <span>

namespace ilmo::sim {

namespace {

constexpr int kKeyboardProfiles = 4;
constexpr int kMouseProfiles = 4;
constexpr int kPadProfiles = 1;

constexpr uint8_t byte_of(int value) {
    return static_cast<uint8_t>(value);
}

void put_u16(std::span<uint8_t> bytes, size_t offset, int value) {
    bytes[offset] = byte_of(value);
    bytes[offset + 1] = byte_of(value >> 8);
}

void put_lighting(std::span<uint8_t> record, int profile, const LightingSettings& lighting) {
    record[lighting_byte::kProfile] = byte_of(profile);
    record[lighting_byte::kMode] = byte_of(lighting.mode_code);
    record[lighting_byte::kBrightness] = byte_of(lighting.brightness_level);
    record[lighting_byte::kSpeed] = byte_of(4 - lighting.speed_level);
    record[lighting_byte::kDirection] = byte_of(lighting.direction);
    record[lighting_byte::kColourful] = lighting.colourful ? 1 : 0;
    record[lighting_byte::kRed] = lighting.colour.red;
    record[lighting_byte::kGreen] = lighting.colour.green;
    record[lighting_byte::kBlue] = lighting.colour.blue;
}

// The keyboard's modes: 4 spectrum wheel, 6 steady, 5 column rainbow breathing, 23 blinking
// spectrum cycle.
constexpr std::array<KeyboardProfile, kKeyboardProfiles> kKeyboardFactory{{
    {{4, 4, 2, 1, true, {0, 160, 255}}, 3},
    {{6, 3, 2, 0, false, {255, 40, 0}}, 3},
    {{5, 4, 3, 1, true, {255, 255, 255}}, 2},
    {{23, 2, 1, 1, true, {0, 255, 80}}, 1},
}};

// The five stages in slider steps of the factory sensor (lowest 100 DPI, 100 DPI a step, 200
// above step 48): 400, 800, 1600, 3200 and 6100 DPI.
constexpr std::array<DpiStage, mouse_block::kStageCount> kMouseStages{{
    {true, 3, 3, {255, 0, 0}},
    {true, 7, 7, {0, 80, 255}},
    {true, 15, 15, {0, 255, 0}},
    {true, 31, 31, {255, 200, 0}},
    {true, 54, 54, {255, 0, 255}},
}};

MouseProfile mouse_factory_profile(int profile) {
    constexpr std::array<LightingSettings, kMouseProfiles> kLighting{{
        {2, 4, 2, 1, true, {255, 0, 0}},
        {5, 3, 3, 0, false, {0, 200, 255}},
        {1, 4, 1, 1, true, {255, 255, 255}},
        {7, 2, 2, 1, false, {120, 0, 255}},
    }};
    MouseProfile settings;
    settings.lighting = kLighting.at(static_cast<size_t>(profile));
    settings.polling_rate_index = 3;
    settings.dpi_stage = 1 + profile % 3;
    settings.stages = kMouseStages;
    settings.screen_width_px = 1920;
    settings.screen_height_px = 1080;
    return settings;
}

// The pad's mode code 1 is its wave.
constexpr LightingSettings kPadFactory{1, 4, 2, 1, true, {0, 200, 255}};

template <size_t N>
void place(std::vector<uint8_t>& memory, size_t address, const std::array<uint8_t, N>& bytes) {
    if (memory.size() < address + N) memory.resize(address + N, 0);
    std::copy(bytes.begin(), bytes.end(), memory.begin() + static_cast<std::ptrdiff_t>(address));
}

}  // namespace

std::array<uint8_t, keyboard_record::kBytes> keyboard_lighting_record(
    int profile, const KeyboardProfile& settings) {
    std::array<uint8_t, keyboard_record::kBytes> record{};
    put_lighting(record, profile, settings.lighting);
    record[keyboard_record::kPollingRate] = byte_of(settings.polling_rate_step);
    return record;
}

std::array<uint8_t, mouse_block::kBytes> mouse_settings_block(int profile,
                                                              const MouseProfile& settings) {
    std::array<uint8_t, mouse_block::kBytes> block{};
    put_lighting(block, profile, settings.lighting);
    block[mouse_block::kPollingRate] = byte_of(settings.polling_rate_index);
    block[mouse_block::kDpiStage] = byte_of(settings.dpi_stage);
    for (size_t i = 0; i < mouse_block::kStageCount; ++i) {
        const DpiStage& stage = settings.stages[i];
        const auto record = std::span(block).subspan(mouse_block::kStages + i * mouse_block::kStageBytes,
                                                     mouse_block::kStageBytes);
        record[0] = stage.enabled ? 1 : 0;
        put_u16(record, 2, stage.x_steps);
        put_u16(record, 4, stage.y_steps);
        record[6] = stage.colour.red;
        record[7] = stage.colour.green;
        record[8] = stage.colour.blue;
    }
    block[mouse_block::kScreenFlag] = 1;
    put_u16(block, mouse_block::kScreenWidth, settings.screen_width_px);
    put_u16(block, mouse_block::kScreenHeight, settings.screen_height_px);
    return block;
}

std::array<uint8_t, pad_record::kBytes> pad_settings_record(int profile,
                                                            const LightingSettings& settings) {
    std::array<uint8_t, pad_record::kBytes> record{};
    put_lighting(record, profile, settings);
    return record;
}

int onboard_profile_count(FirmwareKind kind) {
    switch (kind) {
        case FirmwareKind::Keyboard: return kKeyboardProfiles;
        case FirmwareKind::Mouse: return kMouseProfiles;
        case FirmwareKind::MousePad: return kPadProfiles;
        case FirmwareKind::None: break;
    }
    return 0;
}

size_t profile_address(FirmwareKind kind, int profile) {
    const auto index = static_cast<size_t>(profile);
    switch (kind) {
        case FirmwareKind::Keyboard: return index * keyboard_record::kStride;
        case FirmwareKind::Mouse: return index * mouse_block::kStride;
        case FirmwareKind::MousePad: return index * pad_record::kStride;
        case FirmwareKind::None: break;
    }
    return 0;
}

std::vector<uint8_t> factory_configuration(FirmwareKind kind) {
    std::vector<uint8_t> memory;
    // In profile order: each keyboard record's first byte overwrites the previous record's
    // last, as the firmware's overlapping layout has it.
    for (int profile = 0; profile < onboard_profile_count(kind); ++profile) {
        const size_t address = profile_address(kind, profile);
        const auto index = static_cast<size_t>(profile);
        if (kind == FirmwareKind::Keyboard) {
            place(memory, address, keyboard_lighting_record(profile, kKeyboardFactory.at(index)));
        } else if (kind == FirmwareKind::Mouse) {
            place(memory, address, mouse_settings_block(profile, mouse_factory_profile(profile)));
        } else {
            place(memory, address, pad_settings_record(profile, kPadFactory));
        }
    }
    if (!memory.empty()) memory[kActiveProfileAddress] = 0;
    return memory;
}

}  // namespace ilmo::sim
