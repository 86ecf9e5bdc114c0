#include "keyboard/KeyMaps.h"

#include <algorithm>

namespace ilmo::keyboard {

namespace {

uint8_t position_of(AssignmentCode identity, std::span<const uint8_t> default_table,
                    size_t positions) {
    if (identity == kNoKey) return kNoPosition;
    for (size_t p = 0; p < positions; ++p)
        if (table_code(default_table, p) == identity) return static_cast<uint8_t>(p);
    return kNoPosition;
}

}  // namespace

int mapped_positions(int key_positions) {
    return std::clamp(key_positions, 0, kMappedKeys);
}

KeyMaps build_key_maps(std::span<const uint8_t> default_table, int key_positions,
                       std::span<const uint8_t> led_table) {
    const size_t positions = std::min(static_cast<size_t>(mapped_positions(key_positions)),
                                      default_table.size() / kCodeBytes);
    KeyMaps maps{};
    for (int key = 0; key < kMappedKeys; ++key) {
        const uint8_t position = position_of(key_identity(key), default_table, positions);
        maps.key_position[key] = position;
        const bool has_led = position != kNoPosition && position < led_table.size();
        maps.light_led[key] = has_led ? led_table[position] : kNoPosition;
    }
    return maps;
}

std::optional<int> key_at_position(const KeyMaps& maps, int position) {
    if (position < 0 || position >= kNoPosition) return std::nullopt;
    const auto found = std::find(maps.key_position.begin(), maps.key_position.end(), position);
    if (found == maps.key_position.end()) return std::nullopt;
    return static_cast<int>(found - maps.key_position.begin());
}

}  // namespace ilmo::keyboard
