// The factory key table and the position-to-LED table come from the keyboard. Maps and layer
// tables built from any bytes must stay inside the tables, map each key only to a position
// holding its own code, and place exactly the macros the used-macro list names.
// Input: key positions, macro count, then the factory table and the LED table, half each.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <span>
#include <vector>

#include "keyboard/AssignmentTables.h"

using namespace ilmo::keyboard;

namespace {

void check_maps(const KeyMaps& maps, std::span<const uint8_t> default_table, int key_positions) {
    const size_t positions = std::min(static_cast<size_t>(mapped_positions(key_positions)),
                                      default_table.size() / kCodeBytes);
    for (int key = 0; key < kMappedKeys; ++key) {
        const uint8_t position = maps.key_position[key];
        if (position == kNoPosition) {
            if (maps.light_led[key] != kNoPosition) std::abort();
            continue;
        }
        if (position >= positions || key_identity(key) == kNoKey) std::abort();
        if (table_code(default_table, position) != key_identity(key)) std::abort();
    }
}

// Normal and Fn codes of every page key taken from the bytes, macro codes included.
std::vector<ilmo::profiles::KeyEntry> keys_from(std::span<const uint8_t> bytes) {
    std::vector<ilmo::profiles::KeyEntry> keys;
    for (size_t at = 0; at + 2 * kCodeBytes <= bytes.size() && keys.size() < kPageKeys;
         at += 2 * kCodeBytes) {
        const auto index = static_cast<uint16_t>(keys.size());
        keys.push_back({group_of(table_code(bytes.subspan(at + kCodeBytes), 0), index),
                        group_of(table_code(bytes.subspan(at), 0), index),
                        group_of(key_identity(index), index)});
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int key_positions = data[0];
    const size_t macro_count = data[1];
    const std::span<const uint8_t> rest(data + 2, size - 2);
    const auto default_table = rest.first(rest.size() / 2);
    const auto led_table = rest.subspan(rest.size() / 2);

    const KeyMaps maps = build_key_maps(default_table, key_positions, led_table);
    check_maps(maps, default_table, key_positions);

    const auto keys = keys_from(led_table);
    const LayerTables tables =
        build_layer_tables(default_table, key_positions, keys, maps, macro_count);
    const size_t table_bytes = static_cast<size_t>(mapped_positions(key_positions)) * kCodeBytes;
    if (tables.normal.size() != table_bytes || tables.fn.size() != table_bytes) std::abort();
    if (tables.used_macros != used_macro_list(keys, maps, macro_count)) std::abort();
    const std::set<int> distinct(tables.used_macros.begin(), tables.used_macros.end());
    if (distinct.size() != tables.used_macros.size()) std::abort();
    for (int macro : tables.used_macros)
        if (macro < 0 || static_cast<size_t>(macro) >= macro_count) std::abort();
    return 0;
}
