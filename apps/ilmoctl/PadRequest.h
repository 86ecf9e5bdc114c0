#pragma once
// "pad ..." commands as the words give them, checked before anything runs.

#include <span>
#include <string>
#include <variant>

#include "LightingSettings.h"
#include "RequestParse.h"

namespace ilmo::ctl {

struct PadGet {
    bool modes = false;  // the mode list instead of the lighting
};

struct PadSet {
    LightingChange lighting;
};

using PadRequest = std::variant<PadGet, PadSet>;

using PadRequestParse = RequestParse<PadRequest>;

// `words`: what follows "pad".
PadRequestParse parse_pad_request(std::span<const std::string> words);

}  // namespace ilmo::ctl
