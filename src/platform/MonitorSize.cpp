#include "platform/MonitorSize.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>

namespace ilmo::platform {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

struct ResourcesFree {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputFree {
    void operator()(XRROutputInfo* output) const { XRRFreeOutputInfo(output); }
};
struct CrtcFree {
    void operator()(XRRCrtcInfo* crtc) const { XRRFreeCrtcInfo(crtc); }
};

}  // namespace

std::vector<Monitor> x11_monitors() {
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) return {};
    int event_base = 0;
    int error_base = 0;
    if (!XRRQueryExtension(display.get(), &event_base, &error_base)) return {};
    const std::unique_ptr<XRRScreenResources, ResourcesFree> resources(
        XRRGetScreenResourcesCurrent(display.get(), DefaultRootWindow(display.get())));
    if (!resources) return {};
    const RROutput primary = XRRGetOutputPrimary(display.get(), DefaultRootWindow(display.get()));
    std::vector<Monitor> monitors;
    for (int i = 0; i < resources->noutput; ++i) {
        const std::unique_ptr<XRROutputInfo, OutputFree> output(
            XRRGetOutputInfo(display.get(), resources.get(), resources->outputs[i]));
        if (!output || output->crtc == None) continue;  // off or nothing attached
        const std::unique_ptr<XRRCrtcInfo, CrtcFree> crtc(
            XRRGetCrtcInfo(display.get(), resources.get(), output->crtc));
        if (!crtc || crtc->width == 0 || crtc->height == 0) continue;
        monitors.push_back({std::string(output->name, static_cast<size_t>(output->nameLen)),
                            static_cast<int>(crtc->width), static_cast<int>(crtc->height),
                            resources->outputs[i] == primary});
    }
    return monitors;
}

std::optional<PixelSize> x11_screen_size() {
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) return std::nullopt;
    const int screen = DefaultScreen(display.get());
    return PixelSize{DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen)};
}

}  // namespace ilmo::platform
