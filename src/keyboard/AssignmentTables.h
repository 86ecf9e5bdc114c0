#pragma once
// The two key tables a keyboard holds, normal layer and Fn layer, three bytes per key
// position. Keys bind macros by their number in the macro list, but the keyboard holds only
// the macros some key uses, packed into one image in the order they are first met; on the
// wire a key carries its macro's place in that image. The walk over the keys that decides
// those places serves both the tables and the image, so they always agree.

#include <cstdint>
#include <span>
#include <vector>

#include "keyboard/KeyMaps.h"
#include "profiles/KeyListSection.h"

namespace ilmo::keyboard {

// Macro numbers in image order: page keys 0-125 in index order, each first its normal then
// its Fn code; a macro code whose number is below `macro_count` adds the number the first
// time it is met. Keys without a position on the board are not written, so their macros
// take no place in the image either.
std::vector<int> used_macro_list(const std::vector<profiles::KeyEntry>& keys, const KeyMaps& maps,
                                 size_t macro_count);

struct LayerTables {
    std::vector<uint8_t> normal;
    std::vector<uint8_t> fn;
    std::vector<int> used_macros;  // as used_macro_list gives it
};

// Both tables start as the factory table; every key with a position then gets its codes:
// - a macro code names its macro's place in the image; a number at or past `macro_count` (a
//   macro that is gone) falls back to the key's factory code on the normal layer and to
//   nothing (0 0 0) on the Fn layer;
// - an Fn code equal to the key's factory code is written as 0 0 0, which leaves the key as
//   it is on the Fn layer.
// Repeat modes and counts of macro codes travel unchanged. The tables hold
// mapped_positions(key_positions) × 3 bytes; factory bytes past `default_table` are 0.
LayerTables build_layer_tables(std::span<const uint8_t> default_table, int key_positions,
                               const std::vector<profiles::KeyEntry>& keys, const KeyMaps& maps,
                               size_t macro_count);

}  // namespace ilmo::keyboard
