#pragma once
// Joins a device page's lighting panel to its controller: the panel shows the controller's
// lighting, and each change the user makes there is stored in the controller's profile
// (saved) and then written to the device as the page's device work. On the keyboard the
// music lighting's record and the per-key colours are handled here too.

#include <QColor>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "device/LightingTypes.h"
#include "shell/ui/LanguageTexts.h"

namespace ilmo::keyboard {
class LightingDevice;
class CTavrinKeyboardDevice;
}

namespace ilmo::shell {

namespace ui {
struct Notification;
}
class CDevicePage;
class CLightControlUI;

class LightPageBinding {
public:
    // Null when the page has no lighting panel.
    static std::unique_ptr<LightPageBinding> bind(CDevicePage& page,
                                                  keyboard::LightingDevice& device,
                                                  ui::Translate translate);
    LightPageBinding(CDevicePage& page, keyboard::LightingDevice& device, CLightControlUI& panel,
                     ui::Translate translate);

    // The panel shows the controller's lighting (and music lighting) again.
    void refresh();
    bool handle_notification(const ui::Notification& n);
    void retranslate();
    CLightControlUI& panel() { return panel_; }

private:
    // The keyboard's and the mouse's panels carry the music lighting.
    bool has_music() const;
    bool handle_light(const ui::Notification& n);
    bool handle_music(const ui::Notification& n);
    bool handle_per_key(const ui::Notification& n);
    // The light record as the panel now has it.
    device::LightRecord record_from_panel() const;
    void change_lighting(const device::LightRecord& record);
    void change_music(bool take_colour);
    void take_swatch(QRgb colour);
    void take_music_swatch(QRgb colour);
    // The lights take `colour` in the profile's custom group; in the per-key mode the
    // keyboard gets its colour table at once.
    void paint_keys(const std::vector<int>& lights, QRgb colour);
    void write_per_key_colours();
    void notify_write_failed() const;
    void trace(const std::string& line) const;

    CDevicePage& page_;
    keyboard::LightingDevice& device_;
    keyboard::CTavrinKeyboardDevice* keyboard_ = nullptr;
    CLightControlUI& panel_;
    ui::Translate translate_;
};

}  // namespace ilmo::shell
