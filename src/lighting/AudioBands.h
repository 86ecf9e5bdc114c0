#pragma once
// From the capture's frequency levels to the band values the keyboard and the mouse show:
// the notices as they arrive from the capture, and the band step that turns the change
// between two notices into 25 keyboard and 10 mouse bands.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "device/DeviceTables.h"

namespace ilmo::lighting {

inline constexpr int kFrequencyLevels = 500;
inline constexpr int kMaxFrequencyLevel = 8192;
inline constexpr int kKeyboardBands = 25;
inline constexpr int kMouseBands = 10;
inline constexpr int kKeyboardValueCount = 6;

using FrequencyLevels = std::array<int, kFrequencyLevels>;
using KeyboardBands = std::array<int, kKeyboardBands>;
using MouseBands = std::array<int, kMouseBands>;
using KeyboardNoticeValues = std::array<int32_t, kKeyboardValueCount>;

// Notice 1 of exactly 2000 bytes: 500 signed 32-bit little-endian levels, each clamped to
// 0..8192 (the bands square their differences, and a level from outside may be anything).
// Any other notice or size: nullopt.
std::optional<FrequencyLevels> parse_levels_notice(int number, uint32_t byte_count,
                                                   std::span<const uint8_t> bytes);
// Notice 2 of exactly 24 bytes: six signed 32-bit little-endian values the keyboard keeps.
std::optional<KeyboardNoticeValues> parse_keyboard_values_notice(int number, uint32_t byte_count,
                                                                 std::span<const uint8_t> bytes);

// A band value as a height on the 600-high scale the visualisers and the beat draw on:
// 600 − v × 600 / 2000, lower for louder.
int band_height(int value);
// The same, except that a value past the top of the scale (v × 600 / 2000 above 600) gives 500.
int band_height_capped(int value);

// What one notice gives the devices: set for a kind when its every-third notice came.
struct BandOutput {
    std::optional<KeyboardBands> keyboard;
    std::optional<MouseBands> mouse;
};

// The band state of the main window, from zero at its start. Each notice: the change of
// every level since the last notice, then per device kind in use the bands' running means
// and spreads of four changes each (every fifth level is skipped).
class BandStep {
public:
    static constexpr int kNoticesPerHandover = 3;

    BandOutput step(std::span<const int, kFrequencyLevels> levels,
                    std::span<const device::DeviceKind> slots_in_use);

    // Keyboard bands 0-24, then mouse bands 25-34.
    std::span<const int> means() const { return means_; }
    std::span<const int> spreads() const { return spreads_; }

private:
    static constexpr int kBandTotal = kKeyboardBands + kMouseBands;

    // Bands [first, first + count) from the changes of this notice.
    void update_bands(int first, int count);

    FrequencyLevels previous_{};
    FrequencyLevels changes_{};
    std::array<int, kBandTotal> means_{};
    std::array<int, kBandTotal> spreads_{};
    int keyboard_notices_ = 0;
    int mouse_notices_ = 0;
};

}  // namespace ilmo::lighting
