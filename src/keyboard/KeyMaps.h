#pragma once
// Where each page key sits on the attached keyboard. Built once when the keyboard is
// attached, from its factory key table (three bytes per key position) and its
// position-to-LED table (one byte per position).

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "keyboard/KeyIdentity.h"

namespace ilmo::keyboard {

inline constexpr uint8_t kNoPosition = 255;

struct KeyMaps {
    // Page key index (light index) → key position on the board; kNoPosition when absent.
    std::array<uint8_t, kMappedKeys> key_position;
    // Light index → LED index of its key's position; kNoPosition when the key is absent. The
    // bytes are the board's own; the frame builder leaves out LED indexes past its table.
    std::array<uint8_t, kMappedKeys> light_led;
};

// How many positions the tables cover: never more than the page can map, nor more than the
// board reported.
int mapped_positions(int key_positions);

// Each key takes the first position whose factory code is the key's identity. The identity
// 20 00 00 names keys the board does not have, so those map to no position rather than to a
// filler position that happens to hold 20 00 00. Only the positions both tables really hold
// are looked at.
KeyMaps build_key_maps(std::span<const uint8_t> default_table, int key_positions,
                       std::span<const uint8_t> led_table);

// The page key at a position the keyboard reports (a key event); nothing for a position no
// key maps to. kNoPosition is what the absent keys hold, never a position on the board.
std::optional<int> key_at_position(const KeyMaps& maps, int position);

}  // namespace ilmo::keyboard
