#pragma once
// "headset ..." commands as the words give them, checked before anything runs.

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "HeadsetSound.h"
#include "LightingSettings.h"
#include "RequestParse.h"

namespace ilmo::ctl {

struct HeadsetGet {
    enum class What { Everything, Sound, Equaliser, Curves, Lighting, Modes };
    What what = What::Everything;
};

struct HeadsetSet {
    LightingChange lighting;
    HeadsetSoundChange sound;
};

// One equaliser band moved, as the page's slider moves it.
struct HeadsetBand {
    int band = 0;  // 0-9 (typed 1-10)
    int value = 0;
};

struct HeadsetCurve {
    enum class Action { Save, Choose, Delete };
    Action action = Action::Choose;
    std::string name;  // empty: the selected curve (save, delete)
};

using HeadsetRequest = std::variant<HeadsetGet, HeadsetSet, HeadsetBand, HeadsetCurve>;

using HeadsetRequestParse = RequestParse<HeadsetRequest>;

// `words`: what follows "headset".
HeadsetRequestParse parse_headset_request(std::span<const std::string> words);

}  // namespace ilmo::ctl
