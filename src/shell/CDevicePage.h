#pragma once
// A device page: the widget the page layout's root class creates, and the view its
// controller draws on. The page owns the controller, and the notifications of the controls
// inside it are routed here, to the page and its panels. The controller may call the view
// from device work on another thread; what it shows is drawn on the UI thread.

#include <QWidget>
#include <memory>
#include <vector>

#include "device/CTavrinUSBDevice.h"
#include "device/DeviceView.h"
#include "profiles/CBasicProfiledata.h"
#include "shell/CDeviceProfileUI.h"

namespace ilmo::shell {

namespace ui {
class CDeviceKeyButtonUI;
struct Notification;
}
class CMpDevicePowerUI;
class SkinResources;

class CDevicePage : public QWidget, public device::DeviceView {
    Q_OBJECT
public:
    explicit CDevicePage(QWidget* parent = nullptr);
    ~CDevicePage() override;

    // Takes the controller, finds the key and light controls of the picture and shows the
    // lights' colours.
    void attach_controller(std::unique_ptr<device::CTavrinUSBDevice> controller);
    device::CTavrinUSBDevice* controller() const { return controller_.get(); }
    void set_power_indicator(CMpDevicePowerUI* indicator) { power_indicator_ = indicator; }
    // The page's profile panel, built from its layout; null when the layout has none.
    CDeviceProfileUI* attach_profile_panel(SkinResources& skin, CDeviceProfileUI::Hooks hooks);
    CDeviceProfileUI* profile_panel() const { return profile_panel_; }
    // Loads a profile document of the device into the page and its controller.
    void load_profile(const std::filesystem::path& document);
    profiles::CBasicProfiledata* profile_data() const { return profile_data_.get(); }

    // Handles a notification of a control inside the page; false when no part of the page
    // takes it.
    bool handle_notification(const ui::Notification& n);

    // Light controls show the colour records; repaints only what changed.
    void refresh_lights();
    ui::CDeviceKeyButtonUI* key_button(int index) const;
    ui::CDeviceKeyButtonUI* light_control(int index) const;

    // DeviceView
    void show_power(const device::PowerStatus& status) override;
    void select_function_tabs(const device::FunctionSwitchTabs& tabs) override;

private:
    void bind_page_controls();

    std::unique_ptr<device::CTavrinUSBDevice> controller_;
    std::vector<ui::CDeviceKeyButtonUI*> keys_;
    std::vector<ui::CDeviceKeyButtonUI*> lights_;
    CMpDevicePowerUI* power_indicator_ = nullptr;
    CDeviceProfileUI* profile_panel_ = nullptr;
    std::unique_ptr<profiles::CBasicProfiledata> profile_data_;
};

}  // namespace ilmo::shell
