#include "MouseButtonNames.h"

#include <array>

#include "SettingValues.h"
#include "keyboard/CodeTables.h"
#include "mouse/ButtonTable.h"

namespace ilmo::ctl {

namespace {

// In logical button order, after their factory functions; "gm" is the keyboard function
// 0x1B, which the keyboard names GM.
constexpr std::array<std::string_view, mouse::kLogicalButtons> kButtonNames{
    "left",     "right",     "middle", "forward",   "back", "dpi-up",
    "dpi-down", "dpi-cycle", "gm",     "dpi-shift", "fire",
};

bool names_factory_function(int button, std::string_view text) {
    const auto key = keyboard::caption_key(mouse::kFactoryButtonCodes[static_cast<size_t>(button)]);
    return key && same_text(*key, text);
}

}  // namespace

std::optional<int> parse_button(std::string_view text) {
    if (const auto index = parse_number(text, 0, mouse::kLogicalButtons - 1)) return index;
    for (int button = 0; button < mouse::kLogicalButtons; ++button)
        if (same_text(kButtonNames[static_cast<size_t>(button)], text) ||
            names_factory_function(button, text))
            return button;
    return std::nullopt;
}

std::string_view button_name(int button) {
    if (button < 0 || button >= mouse::kLogicalButtons) return {};
    return kButtonNames[static_cast<size_t>(button)];
}

}  // namespace ilmo::ctl
