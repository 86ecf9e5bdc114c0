#pragma once
// Where the keyboard's lights sit. Two tables describe the board: 23 columns of lights (left
// to right, each listed top to bottom) and 12 rings of keys around the O key (the rows of
// the colourful steady effect). From the column table and the key matrix (the key table
// numbers the board's six rows 21 keys apiece) every light of the 126 board keys gets a
// place, so effects can travel across the real keyboard.
//
// A light index is the page's key index on this program's keyboard. The 24 lights after the
// keys are the light strip along the board's front edge, left to right under the bottom row
// and as wide as the board: effects run through it as through a seventh row. Lights after
// the strip exist on no board and have no place.

#include <array>
#include <cstdint>
#include <span>

namespace ilmo::lighting {

inline constexpr int kBoardLights = 126;
inline constexpr int kStripLights = 24;
inline constexpr int kFirstStripLight = kBoardLights;
// The board keys and the strip: the lights an effect draws on.
inline constexpr int kPlacedLights = kBoardLights + kStripLights;
inline constexpr int kBoardColumns = 23;
inline constexpr int kBoardRows = 6;
// The strip sits a row's pitch below the bottom row of keys.
inline constexpr float kStripRow = kBoardRows;
inline constexpr int kColumnDepth = 6;
inline constexpr int kKeyRings = 12;
inline constexpr int kRingCentreKey = 51;
// Column table entries that name no light.
inline constexpr uint8_t kNoLight = 255;
inline constexpr uint8_t kNoLightToo = 170;

using ColumnTable = std::array<std::array<uint8_t, kColumnDepth>, kBoardColumns>;
const ColumnTable& column_table();
// The keys of ring r (0-11), nearest the O key first; empty for any other r.
std::span<const uint8_t> ring_keys(int ring);

// A light's place in column and row units (0-22, 0-5 for the keys, kStripRow for the strip);
// a light listed in two columns (a wide key) or twice in one (a tall key) sits between them.
struct LightPlace {
    float x = 0;
    float y = 0;
};
const std::array<LightPlace, kPlacedLights>& light_places();
// The middle of the board, for effects that turn or spread around it.
inline constexpr LightPlace kBoardCentre{(kBoardColumns - 1) / 2.0f, (kBoardRows - 1) / 2.0f};

}  // namespace ilmo::lighting
