#pragma once
// The mouse-pad's 21-byte lighting settings record and its mode list. The pad is written at
// profile × 64 but read at profile × 33, 34 bytes of which the first 21 are its record; for
// profile 0, the one the page uses, both are address 0. For any other profile the bytes a
// read returns are not the record a write replaces, so they are not its bytes to keep.
//
// The page selects a mode by its index in the mode list; the pad knows it by the entry's
// code ("value").

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "device/LightingTypes.h"
#include "profiles/ConfigListDocuments.h"

namespace ilmo::keyboard {

using PadRecord = std::array<uint8_t, 21>;
inline constexpr size_t kPadReadLength = 34;
using PadRead = std::array<uint8_t, kPadReadLength>;

uint16_t pad_write_address(int profile);
uint16_t pad_read_address(int profile);
PadRecord pad_record_of(const PadRead& read);

// The "DefaultLightName" entries of the pad's lighting table.
struct PadModeList {
    std::vector<profiles::BuiltinMode> modes;
};

// The code an index past the list (a user-defined effect, which the pad cannot run) maps to.
inline constexpr int kNoModeCode = -1;

// The first entry whose code is `code`; nothing when none is.
std::optional<int> index_of_code(const PadModeList& list, int code);
// The code of entry `index`, or kNoModeCode when there is no such entry.
int code_of_index(const PadModeList& list, int index);

// `kept` (as last read from the pad) with byte 0 the profile, 1 the mode code, and the
// brightness, speed (4 − level), colourful flag and colour of `light`; direction and bytes
// 9-20 stay as read. A mode code outside 0-255 (kNoModeCode) keeps the pad's current mode.
PadRecord encode_pad_record(const PadRecord& kept, int profile, int mode_code,
                            const device::LightRecord& light);

// `host` with the lighting the pad reports: the mode index of its code (the host's index
// when the code is not in the list), levels clamped to 0-4, direction, colourful flag and
// colour.
device::LightRecord decode_pad_record(const PadRecord& record, const PadModeList& list,
                                      const device::LightRecord& host);

}  // namespace ilmo::keyboard
