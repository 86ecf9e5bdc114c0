#pragma once
// What the mouse page shows beyond the lights: the DPI area, the polling rate, the pointer
// settings, the button captions and whether writes reach the mouse. The controller composes
// it; the shell draws it on the UI thread.

#include <array>
#include <string>
#include <vector>

#include "mouse/ButtonTable.h"
#include "mouse/DpiStageRules.h"
#include "mouse/PointerSettings.h"

namespace ilmo::mouse {

// The caption of one logical button: a language key, or a macro's name.
struct ButtonCaption {
    std::string text;
    bool is_language_key = false;
    bool present = true;  // false: this mouse has no such button
    bool operator==(const ButtonCaption&) const = default;
};

struct MousePageState {
    std::array<StageView, kStageCount> stages{};
    int current_stage = 0;
    int slider_max = 0;  // highest step
    int edit_min = 0;    // lowest and highest DPI the edits take
    int edit_max = 0;
    int polling_rate = 0;
    PointerSettings pointer;
    std::array<ButtonCaption, kLogicalButtons> buttons{};
    // Through the receiver while the mouse is out of reach: changes stay in the profile.
    bool writes_blocked = false;
    bool operator==(const MousePageState&) const = default;
};

class MouseView {
public:
    virtual ~MouseView() = default;
    virtual void show_mouse_page(const MousePageState& state) = 0;
};

}  // namespace ilmo::mouse
