#pragma once
// A device page: the widget the page layout's root class creates, and the view its
// controller draws on. The page owns the controller, and the notifications of the controls
// inside it are routed here, to the page and its panels. The controller may call the view
// from device work on another thread; what it shows is drawn on the UI thread.

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "device/CTavrinUSBDevice.h"
#include "device/DeviceView.h"
#include "keyboard/KeyboardView.h"
#include "profiles/CBasicProfiledata.h"
#include "shell/CDeviceProfileUI.h"
#include "shell/DeviceHooks.h"

namespace ilmo::device {
class StopEvent;
}

namespace ilmo::keyboard {
class CTavrinKeyboardDevice;
}

namespace ilmo::shell {

namespace ui {
class CDeviceKeyButtonUI;
class LanguageTexts;
struct Notification;
}
class CKeyboardSystemUI;
class CMpDevicePowerUI;
class CLightControlUI;
class HeadsetPageBinding;
class LightPageBinding;
class MousePageBinding;
class SkinResources;

class CDevicePage : public QWidget, public device::DeviceView, public keyboard::KeyboardView {
    Q_OBJECT
public:
    // Asks a question (a language key) with a confirm and a cancel button; true when confirmed.
    using Confirm = std::function<bool(const QString& language_key)>;

    explicit CDevicePage(QWidget* parent = nullptr);
    ~CDevicePage() override;

    // The wording the page's own texts are taken from; without it they show their keys.
    void set_language_texts(const ui::LanguageTexts* texts) { texts_ = texts; }
    void set_confirm(Confirm confirm) { confirm_ = std::move(confirm); }
    // The language changed: rewords what the page composes itself (the language texts reword
    // the rest).
    void retranslate();
    // From now on every question from device work is answered "no" at once, also one already
    // waiting for its answer: device work must not hold up the end of the program.
    void close_questions();

    // Takes the controller, finds the key and light controls of the picture and shows the
    // lights' colours.
    void attach_controller(std::unique_ptr<device::CTavrinUSBDevice> controller);
    void set_device_hooks(DeviceHooks hooks) { device_hooks_ = std::move(hooks); }
    const DeviceHooks& device_hooks() const { return device_hooks_; }
    device::CTavrinUSBDevice* controller() const { return controller_.get(); }
    void set_power_indicator(CMpDevicePowerUI* indicator) { power_indicator_ = indicator; }
    // The page's profile panel, built from its layout; null when the layout has none.
    CDeviceProfileUI* attach_profile_panel(SkinResources& skin, CDeviceProfileUI::Hooks hooks);
    CDeviceProfileUI* profile_panel() const { return profile_panel_; }
    // Loads a profile document of the device into the page and its controller, and writes it
    // to a connected device that keeps its profile in memory.
    void load_profile(const std::filesystem::path& document);
    // The profile in memory, for looking at on the UI thread.
    const profiles::CBasicProfiledata* profile_data() const;
    // The device said it changed its profiles itself: read the list and the profile in use
    // again (without writing them back to it).
    void reload_profiles_if_asked();

    // Handles a notification of a control inside the page; false when no part of the page
    // takes it.
    bool handle_notification(const ui::Notification& n);

    // Light controls show the colour records; repaints only what changed.
    void refresh_lights();
    ui::CDeviceKeyButtonUI* key_button(int index) const;
    ui::CDeviceKeyButtonUI* light_control(int index) const;

    // The system tab of a keyboard page; null on other pages. Its on_changed is the
    // controller's to set.
    CKeyboardSystemUI* keyboard_system() const { return keyboard_system_.get(); }
    // The settings area and button captions of a mouse page; null on other pages.
    MousePageBinding* mouse_binding() const { return mouse_binding_.get(); }
    // The sound tabs of a headset page; null on other pages.
    HeadsetPageBinding* headset_binding() const { return headset_binding_.get(); }
    // The lighting panel and what joins it to the controller; null without either.
    LightPageBinding* light_binding() const { return light_binding_.get(); }
    CLightControlUI* light_panel() const;
    // Device work: the controller's lighting goes to a connected device; then the page shows
    // it, and a mode whose frames the host makes starts them.
    void write_lighting();

    // DeviceView
    void show_power(const device::PowerStatus& status) override;
    void select_function_tabs(const device::FunctionSwitchTabs& tabs) override;
    // Calls that come faster than the page repaints are joined into one repaint.
    void lights_changed() override;

    // KeyboardView
    void show_key_captions(const std::vector<keyboard::KeyCaption>& captions) override;
    void show_system_options(const keyboard::SystemOptions& options) override;
    // "No" without asking when the page has no way to ask, or is closing.
    bool confirm_firmware_update() override;
    void start_firmware_updater() override;
    void quit_application() override;

    void start_page_timer(device::PageTimer timer, int delay_ms) override;
    void redraw() override;

private:
    void bind_page_controls();
    QString translate(QStringView key) const;
    // Reads the document into the controller (or the page's own profile data) and tells the
    // user when it had to be replaced. False when the page keeps no profile.
    bool read_profile(const std::filesystem::path& document);
    void write_profile_to_device();
    keyboard::CTavrinKeyboardDevice* keyboard_controller() const;
    // Keeps the options in the profile and writes them to a keyboard on its cable.
    void change_system_options(const keyboard::SystemOptions& options);

    std::unique_ptr<device::CTavrinUSBDevice> controller_;
    std::vector<ui::CDeviceKeyButtonUI*> keys_;
    std::vector<ui::CDeviceKeyButtonUI*> lights_;
    CMpDevicePowerUI* power_indicator_ = nullptr;
    CDeviceProfileUI* profile_panel_ = nullptr;
    std::unique_ptr<profiles::CBasicProfiledata> profile_data_;  // devices that keep none
    std::unique_ptr<CKeyboardSystemUI> keyboard_system_;
    std::unique_ptr<MousePageBinding> mouse_binding_;
    std::unique_ptr<HeadsetPageBinding> headset_binding_;
    std::unique_ptr<LightPageBinding> light_binding_;
    const ui::LanguageTexts* texts_ = nullptr;
    Confirm confirm_;
    // Shared with device work waiting for an answer, which may outlive the page.
    std::shared_ptr<device::StopEvent> closing_;
    std::atomic<bool> lights_repaint_queued_{false};
    DeviceHooks device_hooks_;
};

}  // namespace ilmo::shell
