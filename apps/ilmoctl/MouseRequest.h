#pragma once
// "mouse ..." commands as the words give them, checked before anything runs.

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "KeyNames.h"
#include "LightingSettings.h"
#include "MouseSettings.h"
#include "RequestParse.h"

namespace ilmo::ctl {

struct MouseGet {
    enum class What { Settings, Lighting, Dpi, Buttons, Pointer, Modes };
    What what = What::Settings;
};

struct MouseSet {
    LightingChange lighting;
    MouseSettingsChange settings;
};

// One DPI stage: its DPI as typed (the mouse stores slider steps), switched on or off, its
// colour.
struct MouseStage {
    int stage = 0;
    std::optional<int> dpi;
    std::optional<bool> enabled;
    std::optional<device::Rgb> colour;
};

struct MouseAssign {
    int button = 0;
    FunctionChoice function;
};

using MouseRequest = std::variant<MouseGet, MouseSet, MouseStage, MouseAssign>;

using MouseRequestParse = RequestParse<MouseRequest>;

// `words`: what follows "mouse".
MouseRequestParse parse_mouse_request(std::span<const std::string> words);

}  // namespace ilmo::ctl
