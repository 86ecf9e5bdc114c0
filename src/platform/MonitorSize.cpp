#include "platform/MonitorSize.h"

#include <X11/Xlib.h>

namespace ilmo::platform {

std::optional<PixelSize> x11_screen_size() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return std::nullopt;
    const int screen = DefaultScreen(display);
    const PixelSize size{DisplayWidth(display, screen), DisplayHeight(display, screen)};
    XCloseDisplay(display);
    return size;
}

}  // namespace ilmo::platform
