#pragma once
// Which parts of the lighting panel a lighting mode uses, for each kind of device: the
// groups that are usable, shown or hidden, the wording of the two direction options and
// the colour tab. A pure table, so the panel only applies what it returns.

namespace ilmo::shell {

// The panel's device types.
inline constexpr int kPanelKeyboard = 1;
inline constexpr int kPanelMouse = 2;
inline constexpr int kPanelMousePad = 3;
inline constexpr int kPanelHeadset = 4;
inline constexpr int kPanelFurtherKind = 5;
inline constexpr int kPanelHeadsetToo = 7;

struct LightPanelLook {
    // Usable or not.
    bool seven_colour = true;         // "deng_7color_check"
    bool colour = true;               // "deng_color_layout" and "colorpallet_layout"
    bool light_colour_layout = true;  // "light_color_layout"
    bool direction = true;            // "deng_fx_layout"
    bool brightness = true;           // "deng_light_layout"
    bool speed = true;                // "deng_speed_layout"
    // Shown or hidden.
    bool speed_shown = true;
    bool custom_shown = false;      // "lightcustom_layout"
    bool secondary_shown = false;   // "light_combo_ZZCCmodeSelectLayout"
    bool audio_mode_shown = false;  // "light_combo_AudiomodeSelectLayout"
    // "deng_same_mode" is shown when this is set and the panel's same-mode flag is too.
    bool same_mode_wanted = false;
    int colour_tab = 0;  // page of "light_color_tablayout"
    // Language keys of "deng_FXL_check" and "deng_FXR_check".
    const char* left_text = nullptr;
    const char* right_text = nullptr;
    bool operator==(const LightPanelLook&) const = default;
};

// The look of `mode` (a mode index; -1 for none) on a panel of `device_type`. A type
// without a table of its own gets the reset look.
LightPanelLook light_panel_look(int device_type, int mode);

}  // namespace ilmo::shell
