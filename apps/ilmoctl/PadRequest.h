#pragma once
// "pad ..." commands as the words give them, checked before anything runs.

#include <span>
#include <string>
#include <variant>

#include "LightingSettings.h"

namespace ilmo::ctl {

struct PadGet {
    bool modes = false;  // the mode list instead of the lighting
};

struct PadSet {
    LightingChange lighting;
};

using PadRequest = std::variant<PadGet, PadSet>;

struct PadRequestParse {
    PadRequest request;
    std::string error;  // the usage error; empty when the words make a request

    bool ok() const { return error.empty(); }
};

// `words`: what follows "pad".
PadRequestParse parse_pad_request(std::span<const std::string> words);

}  // namespace ilmo::ctl
