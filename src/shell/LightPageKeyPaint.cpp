// The keyboard's per-key colours from its lighting panel: the keys selected on the picture,
// or all of them, take the panel's colour (or go dark).

#include <QAbstractButton>

#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/SettingsRecord.h"
#include "shell/CDevicePage.h"
#include "shell/CLightControlUI.h"
#include "shell/LightPageBinding.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/LightPanelNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace light_names = names::light_panel;
namespace page_names = names::device_page;

namespace {

// The function tab of the lighting panel; 0 before any tab was chosen, when it shows too.
constexpr int kLightingTab = 1;

// The light a key button of the keyboard's picture stands for: "key_N" is the light under
// key N, "light_N" light N. -1 for anything else.
int light_of(const QString& name) {
    for (const char* prefix : {page_names::kKeyPrefix, page_names::kLightPrefix}) {
        const QLatin1String start(prefix);
        if (!name.startsWith(start)) continue;
        bool ok = false;
        const int index = name.mid(start.size()).toInt(&ok);
        return ok && index >= 0 ? index : -1;
    }
    return -1;
}

}  // namespace

bool LightPageBinding::handle_per_key(const ui::Notification& n) {
    if (keyboard_ == nullptr) return false;
    const bool bright = n.type == QLatin1String("click") &&
                        n.sender == QLatin1String(light_names::kCustomBrightButton);
    const bool off = n.type == QLatin1String("click") &&
                     n.sender == QLatin1String(light_names::kCustomOffButton);
    if (bright || off) {
        std::vector<int> every(static_cast<size_t>(keyboard_->key_count()));
        for (size_t i = 0; i < every.size(); ++i) every[i] = static_cast<int>(i);
        paint_keys(every, bright ? panel_.edits_colour() : qRgb(0, 0, 0));
        return true;
    }
    if (n.type != QLatin1String("click_select_end") ||
        n.sender != QLatin1String(page_names::kKeyboard.picture))
        return false;
    auto* picture = qobject_cast<ui::CSelectPanelUI*>(n.control);
    // The picture serves the other tabs too: keys picked there for their functions keep
    // their colours.
    const int tab = keyboard_->function_switch_page();
    if (picture == nullptr || (tab != 0 && tab != kLightingTab)) return false;
    std::vector<int> lights;
    for (const ui::CDeviceKeyButtonUI* key : picture->selected_keys())
        if (const int light = light_of(key->objectName()); light >= 0) lights.push_back(light);
    if (!lights.empty()) paint_keys(lights, panel_.edits_colour());
    return true;
}

void LightPageBinding::paint_keys(const std::vector<int>& lights, QRgb colour) {
    std::vector<profiles::KeyColor> colours = keyboard_->custom_key_colours();
    colours.resize(static_cast<size_t>(keyboard_->key_count()));
    const profiles::KeyColor painted{static_cast<uint8_t>(qRed(colour)),
                                     static_cast<uint8_t>(qGreen(colour)),
                                     static_cast<uint8_t>(qBlue(colour)), 0};
    for (const int light : lights)
        if (light >= 0 && static_cast<size_t>(light) < colours.size())
            colours[static_cast<size_t>(light)] = painted;
    if (!keyboard_->change_custom_colours(colours)) notify_write_failed();
    page_.refresh_lights();
    if (keyboard_->lighting().mode == keyboard::kPerKeyMode) write_per_key_colours();
}

void LightPageBinding::write_per_key_colours() {
    const DeviceHooks& hooks = page_.device_hooks();
    if (!keyboard_->command_channel().is_open() || !hooks.run_device_work) return;
    keyboard::CTavrinKeyboardDevice* keyboard = keyboard_;
    hooks.run_device_work([keyboard] { return keyboard->write_per_key_colours(); },
                          [this](device::Result outcome) {
                              if (!device::succeeded(outcome))
                                  trace(device::failure_trace("writing the per-key colours", outcome));
                          });
}

}  // namespace ilmo::shell
