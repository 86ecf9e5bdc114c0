#pragma once
// A file of per-key colours for the keyboard's per-key lighting mode. One colour a line:
//
//     # comment
//     *                 #000000     every key
//     0                 #ff0000     page key 0
//     keyboard_key_F1   #00ff00     a key by name
//     Num 1             00ff00      the '#' may be left out; names may hold blanks
//
// The colour is the line's last word; what stands before it names the key as the command
// line does. Lines apply in order, so a later line wins over "*". Keys the file does not
// name keep the colours they have.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/LightingTypes.h"
#include "profiles/CustomLightSection.h"

namespace ilmo::ctl {

struct KeyColourLine {
    std::optional<int> key;  // nothing: every key
    device::Rgb colour;
};

struct ColourFileParse {
    std::vector<KeyColourLine> lines;
    std::string error;  // "line N: ..." for the first line that does not read; empty when all do
};

// A file without any colour line is an error too.
ColourFileParse parse_colour_file(std::string_view text);

// The lines applied in order to `colours` (entry i is page key i), fully opaque.
void apply_key_colours(std::vector<profiles::KeyColor>& colours,
                       const std::vector<KeyColourLine>& lines);

}  // namespace ilmo::ctl
