#pragma once
// The monitors of the desktop and their sizes in pixels, asked of the X server before any
// toolkit is up: the windows' density is chosen per monitor, and the toolkit takes its
// scale factors only when it starts.

#include <optional>
#include <string>
#include <vector>

namespace ilmo::platform {

struct PixelSize {
    int width_px = 0;
    int height_px = 0;
};

struct Monitor {
    std::string name;  // the output's name ("HDMI-1"), which Qt gives the matching screen
    int width_px = 0;
    int height_px = 0;
    bool primary = false;  // the output RandR names the primary one
};

// Every output that shows a picture (RandR output with a CRTC), with the CRTC's size: the
// same list and names Qt's X11 backend makes its screens from. Empty without an X display
// or the RandR extension.
std::vector<Monitor> x11_monitors();

// The whole X screen, all monitors together; nullopt without an X display.
std::optional<PixelSize> x11_screen_size();

}  // namespace ilmo::platform
