#pragma once
// The keyboard plays macros from its own memory. Every macro some key uses is packed into
// one image, in the order of the used-macro list (see AssignmentTables.h), little-endian:
//   header  AA 55, total size T, macro count n, 10 reserved bytes;
//   n offsets of the macro blocks from the start of the image;
//   blocks  event count e, 2 reserved bytes, e events of 4 bytes:
//           delay after the event in ms, kind | 0x80 for a press, key or button code.
// So T = 16 + 6 n + 4 × (all events). The image is rebuilt from the macro files each time.

#include <json/value.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "macros/MacroEvent.h"

namespace ilmo::keyboard {

using MacroEvents = std::vector<macros::MacroEvent>;
using DocumentReader = std::function<Json::Value(const std::filesystem::path&)>;

// The events of each listed macro (numbers into "macro.config" of the profile folder), in
// list order. The index and each macro file are read once, so what is measured is what is
// written. A missing, empty or broken macro file, a number the index does not hold and an
// entry without a usable identifier give a macro of no events, which keeps the place of every
// later macro. An index that cannot be read gives nothing at all: there is no macro to store.
std::vector<MacroEvents> load_used_macros(const std::filesystem::path& profile_folder,
                                          const std::vector<int>& used_macros);
// The same with the documents read through `read` (profiles::read_json_file by default).
std::vector<MacroEvents> load_used_macros(const std::filesystem::path& profile_folder,
                                          const std::vector<int>& used_macros,
                                          const DocumentReader& read);

struct MacroImageOutcome {
    std::vector<uint8_t> image;  // empty when refused, or when there is no macro to store
    // 0 when the image fits; otherwise (T − capacity) div 4 + 1, at least 1: about how many
    // events would have to go.
    size_t excess = 0;
};

// The image must be strictly smaller than the macro memory (`capacity_bytes`); one that is
// not is refused whole, never cut. Its size field holds 16 bits, so nothing of 64 KiB or
// more is ever built, whatever the capacity. Delays past 65535 ms are stored as 65535: the
// event then waits as long as it can, where cutting the value to its low 16 bits would turn
// a wait of 65536 ms into none.
MacroImageOutcome build_macro_image(const std::vector<MacroEvents>& macros, size_t capacity_bytes);

}  // namespace ilmo::keyboard
