#pragma once
// "keyboard ..." commands as the words give them, checked before anything runs.

#include <filesystem>
#include <span>
#include <string>
#include <variant>

#include "AudioLightSettings.h"
#include "KeyNames.h"
#include "KeyboardOptions.h"
#include "LightingSettings.h"
#include "RequestParse.h"
#include "keyboard/CTavrinKeyboardDevice.h"

namespace ilmo::ctl {

struct KeyboardGet {
    enum class What { Settings, Lighting, Options, Onboard, Keys, Key, Colours, Modes };
    What what = What::Settings;
    int key = 0;  // What::Key
};

struct KeyboardSet {
    LightingChange lighting;
    OptionsChange options;
    AudioLightChange audio;
};

struct KeyboardAssign {
    keyboard::KeyLayer layer = keyboard::KeyLayer::Normal;
    int key = 0;
    FunctionChoice function;
};

struct KeyboardColours {
    std::filesystem::path file;
};

struct KeyboardOnboard {
    int profile = 0;
};

using KeyboardRequest =
    std::variant<KeyboardGet, KeyboardSet, KeyboardAssign, KeyboardColours, KeyboardOnboard>;

using KeyboardRequestParse = RequestParse<KeyboardRequest>;

// `words`: what follows "keyboard".
KeyboardRequestParse parse_keyboard_request(std::span<const std::string> words);

}  // namespace ilmo::ctl
