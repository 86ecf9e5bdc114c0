#pragma once
// The size of the desktop's screen in pixels, asked of the X server before any toolkit is
// up (the window's density is chosen from it).

#include <optional>

namespace ilmo::platform {

struct PixelSize {
    int width_px = 0;
    int height_px = 0;
};

// nullopt without an X display.
std::optional<PixelSize> x11_screen_size();

}  // namespace ilmo::platform
