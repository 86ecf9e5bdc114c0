#include "lighting/AudioBands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ilmo::lighting {

namespace {

constexpr int kLevelsNotice = 1;
constexpr int kKeyboardValuesNotice = 2;
constexpr int kValueBytes = 4;
constexpr int kChangesPerBand = 4;  // of every five levels, the fifth is left out
constexpr int kLevelsPerBand = 5;
constexpr int kHeightScale = 600;
constexpr int kFullBand = 2000;
constexpr int kCappedHeight = 500;

int32_t read_value(std::span<const uint8_t> bytes, size_t index) {
    const size_t at = index * kValueBytes;
    const uint32_t word = uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 |
                          uint32_t{bytes[at + 2]} << 16 | uint32_t{bytes[at + 3]} << 24;
    return static_cast<int32_t>(word);
}

// A notice is taken only when its number, its declared size and the bytes that came agree.
template <size_t Count>
std::optional<std::array<int32_t, Count>> read_values(int number, uint32_t byte_count,
                                                      std::span<const uint8_t> bytes, int wanted) {
    constexpr size_t kBytes = Count * kValueBytes;
    if (number != wanted || byte_count != kBytes || bytes.size() != kBytes) return std::nullopt;
    std::array<int32_t, Count> values{};
    for (size_t i = 0; i < Count; ++i) values[i] = read_value(bytes, i);
    return values;
}

int clamp_level(int level) {
    return std::clamp(level, 0, kMaxFrequencyLevel);
}

// v × 600 / 2000 without overflow for any int.
int64_t scaled_drop(int value) {
    return int64_t{value} * kHeightScale / kFullBand;
}

int64_t floor_sqrt(int64_t value) {
    if (value <= 0) return 0;
    auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(value)));
    while (root * root > value) --root;
    while ((root + 1) * (root + 1) <= value) ++root;
    return root;
}

bool any_of_kinds(std::span<const device::DeviceKind> slots, device::DeviceKind a,
                  device::DeviceKind b) {
    return std::any_of(slots.begin(), slots.end(),
                       [&](device::DeviceKind kind) { return kind == a || kind == b; });
}

}  // namespace

std::optional<FrequencyLevels> parse_levels_notice(int number, uint32_t byte_count,
                                                   std::span<const uint8_t> bytes) {
    const auto values = read_values<kFrequencyLevels>(number, byte_count, bytes, kLevelsNotice);
    if (!values) return std::nullopt;
    FrequencyLevels levels{};
    std::transform(values->begin(), values->end(), levels.begin(), clamp_level);
    return levels;
}

std::optional<KeyboardNoticeValues> parse_keyboard_values_notice(int number, uint32_t byte_count,
                                                                 std::span<const uint8_t> bytes) {
    return read_values<kKeyboardValueCount>(number, byte_count, bytes, kKeyboardValuesNotice);
}

int band_height(int value) {
    return static_cast<int>(kHeightScale - scaled_drop(value));
}

int band_height_capped(int value) {
    return scaled_drop(value) > kHeightScale ? kCappedHeight : band_height(value);
}

BandOutput BandStep::step(std::span<const int, kFrequencyLevels> levels,
                          std::span<const device::DeviceKind> slots_in_use) {
    ++keyboard_notices_;
    ++mouse_notices_;
    for (size_t i = 0; i < levels.size(); ++i) {
        // Levels are clamped again here: whoever calls, the squares below stay in range.
        const int level = clamp_level(levels[i]);
        changes_[i] = std::abs(level - previous_[i]);
        previous_[i] = level;
    }

    // A product attached by cable and through its receiver at once is still one keyboard
    // (or mouse): its bands are worked out once per notice, or the means would run ahead.
    BandOutput output;
    using Kind = device::DeviceKind;
    if (any_of_kinds(slots_in_use, Kind::Keyboard, Kind::KeyboardReceiver)) {
        update_bands(0, kKeyboardBands);
        if (keyboard_notices_ >= kNoticesPerHandover) {
            keyboard_notices_ = 0;
            output.keyboard.emplace();
            std::copy_n(means_.begin(), kKeyboardBands, output.keyboard->begin());
        }
    }
    if (any_of_kinds(slots_in_use, Kind::Mouse, Kind::MouseReceiver)) {
        update_bands(kKeyboardBands, kMouseBands);
        if (mouse_notices_ >= kNoticesPerHandover) {
            mouse_notices_ = 0;
            output.mouse.emplace();
            std::copy_n(means_.begin() + kKeyboardBands, kMouseBands, output.mouse->begin());
        }
    }
    return output;
}

void BandStep::update_bands(int first, int count) {
    for (int b = 0; b < count; ++b) {
        const auto changes =
            std::span(changes_).subspan(static_cast<size_t>(b * kLevelsPerBand), kChangesPerBand);
        int& mean = means_[static_cast<size_t>(first + b)];
        int& spread = spreads_[static_cast<size_t>(first + b)];
        int64_t sum = mean;  // the running mean weighs in with the four new changes
        for (int change : changes) sum += change;
        mean = static_cast<int>(sum / kChangesPerBand);
        int64_t squares = spread;
        for (int change : changes) squares += int64_t{change - mean} * (change - mean);
        spread = static_cast<int>(floor_sqrt(squares / (kChangesPerBand - 1)));
    }
}

}  // namespace ilmo::lighting
