#include "shell/CDevicePage.h"

#include <QCoreApplication>
#include <QThread>

#include "device/StopEvent.h"
#include "headset/CTavrinHS6533Device.h"
#include "profiles/CHs6533Profiledata.h"
#include "profiles/CKeyboardProfiledata.h"
#include "profiles/CMouseProfiledata.h"
#include "profiles/ProfileListOutcome.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "mouse/CTavrinMouseDevice.h"
#include "profiles/ProfiledController.h"
#include "shell/CKeyboardSystemUI.h"
#include "shell/CMpDevicePowerUI.h"
#include "shell/HeadsetPageBinding.h"
#include "shell/LightPageBinding.h"
#include "shell/KeyCaptions.h"
#include "shell/MousePageBinding.h"
#include "shell/UiThreadCall.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/ProfilePanelNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/LanguageTexts.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace page_names = names::device_page;
namespace profile_names = names::profile_panel;

namespace {

// Asked when the keyboard's firmware is too old to be used.
constexpr const char* kFirmwareQuestion = "message_text_24";

// N of "<prefix>N", or -1.
int indexed(const QString& name, QLatin1String prefix) {
    if (!name.startsWith(prefix)) return -1;
    bool ok = false;
    const int index = name.mid(prefix.size()).toInt(&ok);
    return ok && index >= 0 ? index : -1;
}

// The function-switch page type of the lighting tab.
constexpr int kLightingPageType = 1;

// The feature tab an option stands for (1..8), or 0.
int function_tab_number(const QString& name) {
    for (int n = 1; n <= static_cast<int>(std::size(profile_names::kTabs)); ++n)
        if (name == QLatin1String(profile_names::kTabs[n - 1])) return n;
    return 0;
}

}  // namespace

CDevicePage::CDevicePage(QWidget* parent)
    : QWidget(parent), closing_(std::make_shared<device::StopEvent>()) {}

CDevicePage::~CDevicePage() {
    close_questions();
    // The controller's threads end and its channels close before the widgets it draws on go.
    if (controller_) {
        controller_->detach();
        if (auto* keyboard = keyboard_controller()) keyboard->set_keyboard_view(nullptr);
        mouse_binding_.reset();
        headset_binding_.reset();
        light_binding_.reset();
        controller_->set_view(nullptr);
    }
}

keyboard::CTavrinKeyboardDevice* CDevicePage::keyboard_controller() const {
    return dynamic_cast<keyboard::CTavrinKeyboardDevice*>(controller_.get());
}

void CDevicePage::attach_controller(std::unique_ptr<device::CTavrinUSBDevice> controller) {
    controller_ = std::move(controller);
    controller_->set_view(this);
    bind_page_controls();
    if (auto* keyboard = keyboard_controller()) {
        keyboard->set_keyboard_view(this);
        keyboard_system_ = std::make_unique<CKeyboardSystemUI>(
            this, [this](QStringView key) { return translate(key); });
        keyboard_system_->on_changed = [this](keyboard::SystemOptions options) {
            change_system_options(options);
        };
    }
    if (auto* mouse = dynamic_cast<mouse::CTavrinMouseDevice*>(controller_.get()))
        mouse_binding_ = std::make_unique<MousePageBinding>(
            *this, *mouse, [this](QStringView key) { return translate(key); });
    if (auto* headset = dynamic_cast<headset::CTavrinHS6533Device*>(controller_.get()))
        headset_binding_ = std::make_unique<HeadsetPageBinding>(
            *this, *headset, [this](QStringView key) { return translate(key); });
    if (auto* lighting = dynamic_cast<keyboard::LightingDevice*>(controller_.get()))
        light_binding_ = LightPageBinding::bind(
            *this, *lighting, [this](QStringView key) { return translate(key); });
    refresh_lights();
}

CLightControlUI* CDevicePage::light_panel() const {
    return light_binding_ ? &light_binding_->panel() : nullptr;
}

QString CDevicePage::translate(QStringView key) const {
    return texts_ != nullptr ? texts_->text(key) : key.toString();
}

void CDevicePage::retranslate() {
    if (keyboard_system_) keyboard_system_->retranslate();
    if (mouse_binding_) mouse_binding_->retranslate();
    if (headset_binding_) headset_binding_->retranslate();
    if (light_binding_) light_binding_->retranslate();
}

void CDevicePage::close_questions() {
    closing_->set();
}

void CDevicePage::bind_page_controls() {
    keys_.assign(static_cast<size_t>(controller_->key_count()), nullptr);
    lights_.assign(static_cast<size_t>(controller_->light_count()), nullptr);
    const QLatin1String key_prefix(page_names::kKeyPrefix);
    const QLatin1String light_prefix(page_names::kLightPrefix);
    std::vector<ui::CDeviceKeyButtonUI*> keys_as_lights(lights_.size(), nullptr);
    for (auto* control : findChildren<ui::CDeviceKeyButtonUI*>()) {
        const QString name = control->objectName();
        if (const int k = indexed(name, key_prefix); k >= 0) {
            if (static_cast<size_t>(k) < keys_.size()) keys_[static_cast<size_t>(k)] = control;
            // On the keyboard each key is also the light under it.
            if (static_cast<size_t>(k) < keys_as_lights.size())
                keys_as_lights[static_cast<size_t>(k)] = control;
        } else if (const int l = indexed(name, light_prefix); l >= 0) {
            if (static_cast<size_t>(l) < lights_.size()) lights_[static_cast<size_t>(l)] = control;
        }
    }
    for (size_t i = 0; i < lights_.size(); ++i)
        if (lights_[i] == nullptr) lights_[i] = keys_as_lights[i];
}

ui::CDeviceKeyButtonUI* CDevicePage::key_button(int index) const {
    return index >= 0 && static_cast<size_t>(index) < keys_.size() ? keys_[static_cast<size_t>(index)]
                                                                     : nullptr;
}

ui::CDeviceKeyButtonUI* CDevicePage::light_control(int index) const {
    return index >= 0 && static_cast<size_t>(index) < lights_.size()
               ? lights_[static_cast<size_t>(index)]
               : nullptr;
}

void CDevicePage::refresh_lights() {
    if (!controller_) return;
    // The picture glows only on the lighting tab (and before any tab was chosen, as the
    // panel opens on it); elsewhere the keys are dark so their functions read well.
    const int page_type = controller_->function_switch_page();
    const bool lit = page_type == 0 || page_type == kLightingPageType;
    for (size_t i = 0; i < lights_.size(); ++i) {
        ui::CDeviceKeyButtonUI* light = lights_[i];
        if (light == nullptr) continue;
        const device::ColorRecord c =
            lit ? controller_->color(static_cast<int>(i)) : device::ColorRecord{0, 0, 0, 0};
        const QRgb rgb = qRgb(c.red, c.green, c.blue);
        if (light->light_color() != rgb) light->set_light_color(rgb);
        if (light->brightness() != c.brightness) light->set_brightness(c.brightness);
    }
}

CDeviceProfileUI* CDevicePage::attach_profile_panel(SkinResources& skin,
                                                    CDeviceProfileUI::Hooks hooks) {
    QWidget* panel = ui::find_control<QWidget>(this, QString::fromLatin1(profile_names::kPanelItem));
    if (panel == nullptr) return nullptr;
    profile_panel_ = new CDeviceProfileUI(panel, skin, std::move(hooks), this);
    return profile_panel_;
}

namespace {

// The document kind of each device: the mouse-pad keeps the keyboard's lighting sections.
std::unique_ptr<profiles::CBasicProfiledata> profile_data_for(device::ControllerKind kind) {
    switch (kind) {
        case device::ControllerKind::Mouse: return std::make_unique<profiles::CMouseProfiledata>();
        case device::ControllerKind::Headset:
            return std::make_unique<profiles::CHs6533Profiledata>();
        default: return std::make_unique<profiles::CKeyboardProfiledata>();
    }
}

}  // namespace

namespace {

profiles::ProfiledController* profiled(device::CTavrinUSBDevice* controller) {
    return dynamic_cast<profiles::ProfiledController*>(controller);
}

constexpr std::string_view kUpdaterMissingNotice = "message_text_updater_missing";

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

const profiles::CBasicProfiledata* CDevicePage::profile_data() const {
    if (auto* device = profiled(controller_.get())) return &device->profile_data();
    return profile_data_.get();
}

bool CDevicePage::read_profile(const std::filesystem::path& document) {
    if (!controller_ || document.empty()) return false;
    profiles::ProfileLoad loaded;
    if (auto* device = profiled(controller_.get())) {
        loaded = device->load_profile(document);
    } else {
        if (!profile_data_) {
            profile_data_ = profile_data_for(device::controller_for(controller_->option().kind));
            const auto& folders = controller_->folders();
            profile_data_->set_default_document_path(
                folders.default_profile_file(controller_->device_folder_name()));
            if (profile_panel_ != nullptr) profile_data_->set_trace(profile_panel_->trace_sink());
        }
        profile_data_->set_document_path(document);
        loaded.saved = profile_data_->load_section();
        loaded.set_aside = profile_data_->take_set_aside();
        profile_data_->read_key_list();
        controller_->set_lighting_state(device::with_running_effect(
            profile_data_->read_light_info(), controller_->lighting_state()));
    }
    // The user's settings were replaced by the defaults: say so, and that the old file is kept.
    if (profile_panel_ != nullptr && loaded.set_aside)
        profile_panel_->notify_user(latin(profiles::kSetAsideNotice));
    else if (profile_panel_ != nullptr && !loaded.saved)
        profile_panel_->notify_user(latin(profiles::kWriteFailedNotice));
    if (profile_panel_ != nullptr) controller_->set_profile_name(profile_panel_->current_name());
    if (auto* device = profiled(controller_.get()))
        device->redraw_page();
    else
        redraw();
    return true;
}

void CDevicePage::load_profile(const std::filesystem::path& document) {
    if (read_profile(document)) write_profile_to_device();
}

void CDevicePage::write_profile_to_device() {
    auto* device = profiled(controller_.get());
    if (device == nullptr || !controller_->command_channel().is_open() ||
        !device_hooks_.run_device_work)
        return;
    device::CTavrinUSBDevice* controller = controller_.get();
    device_hooks_.run_device_work(
        [device] { return device->write_profile_to_device(); },
        [this, controller](device::Result outcome) {
            if (!device::succeeded(outcome) && profile_panel_ != nullptr) {
                if (const auto& trace = profile_panel_->trace_sink())
                    trace(device::failure_trace("writing the profile to the device", outcome));
            }
            refresh_lights();
            if (controller->build_and_send_frame() && device_hooks_.resume_frames)
                device_hooks_.resume_frames();
        });
}

void CDevicePage::reload_profiles_if_asked() {
    auto* device = profiled(controller_.get());
    if (device == nullptr || !device->take_profile_reload_request()) return;
    if (profile_panel_ != nullptr) {
        profile_panel_->reload_list();
        read_profile(profile_panel_->current_document());
    }
}

void CDevicePage::start_page_timer(device::PageTimer timer, int delay_ms) {
    if (deferred_to_owner_thread(this, [this, timer, delay_ms] { start_page_timer(timer, delay_ms); }))
        return;
    if (device_hooks_.start_page_timer) device_hooks_.start_page_timer(timer, delay_ms);
}

void CDevicePage::redraw() {
    if (deferred_to_owner_thread(this, [this] { redraw(); })) return;
    refresh_lights();
    if (light_binding_) light_binding_->refresh();
    // The headset's controller redraws when its sound side started or a profile loaded.
    if (headset_binding_) headset_binding_->refresh();
}

bool CDevicePage::handle_notification(const ui::Notification& n) {
    if (light_binding_ && light_binding_->handle_notification(n)) return true;
    if (keyboard_system_ && keyboard_system_->handle_notification(n)) return true;
    if (mouse_binding_ && mouse_binding_->handle_notification(n)) return true;
    if (headset_binding_ && headset_binding_->handle_notification(n)) return true;
    if (n.type == QLatin1String("selectchanged")) {
        if (const int tab = function_tab_number(n.sender); tab > 0) {
            // The page and its profile panel both take the tab's number.
            if (n.value.toBool() && controller_) {
                controller_->set_function_switch_page(tab);
                refresh_lights();
            }
            if (profile_panel_ != nullptr) profile_panel_->handle_notification(n);
            return true;
        }
    }
    return profile_panel_ != nullptr && profile_panel_->handle_notification(n);
}

void CDevicePage::show_power(const device::PowerStatus& status) {
    if (deferred_to_owner_thread(this, [this, status] { show_power(status); })) return;
    if (power_indicator_ != nullptr) power_indicator_->show_status(status);
}

void CDevicePage::select_function_tabs(const device::FunctionSwitchTabs& tabs) {
    if (deferred_to_owner_thread(this, [this, tabs] { select_function_tabs(tabs); })) return;
    ui::select_tab(this, QString::fromLatin1(page_names::kFunctionSwitch), tabs.function_tab);
    if (tabs.key_tab != device::FunctionSwitchTabs::kKeep)
        ui::select_tab(this, QString::fromLatin1(page_names::kKeyFunctionSwitch), tabs.key_tab);
}

void CDevicePage::lights_changed() {
    if (lights_repaint_queued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            // Cleared first: a change made while the lights are read queues the next repaint.
            lights_repaint_queued_ = false;
            if (controller_ && controller_->frames_follow_lights())
                static_cast<void>(controller_->build_and_send_frame());
            // A minimised window shows nothing, yet a host-driven mode ticks on: painting each
            // tick would cost more than the lighting itself. The first tick after it comes
            // back repaints.
            if (window()->isMinimized()) return;
            refresh_lights();
        },
        Qt::QueuedConnection);
}

void CDevicePage::show_key_captions(const std::vector<keyboard::KeyCaption>& captions) {
    if (deferred_to_owner_thread(this, [this, captions] { show_key_captions(captions); })) return;
    ilmo::shell::show_key_captions(keys_, captions,
                                   [this](QStringView key) { return translate(key); });
}

void CDevicePage::show_system_options(const keyboard::SystemOptions& options) {
    if (deferred_to_owner_thread(this, [this, options] { show_system_options(options); })) return;
    if (keyboard_system_) keyboard_system_->show(options);
}

void CDevicePage::change_system_options(const keyboard::SystemOptions& options) {
    keyboard::CTavrinKeyboardDevice* keyboard = keyboard_controller();
    if (keyboard == nullptr) return;
    if (!keyboard->change_system_options(options) && profile_panel_ != nullptr)
        profile_panel_->notify_user(latin(profiles::kWriteFailedNotice));
    // Through the receiver the options wait in the profile for the cable.
    if (!keyboard->command_channel().is_open() || keyboard->receiver_mode() ||
        !device_hooks_.run_device_work)
        return;
    device_hooks_.run_device_work([keyboard] { return keyboard->write_system_options(); },
                                  [this](device::Result outcome) {
                                      if (!device::succeeded(outcome) && profile_panel_ != nullptr)
                                          if (const auto& trace = profile_panel_->trace_sink())
                                              trace(device::failure_trace(
                                                  "writing the system options", outcome));
                                  });
}

void CDevicePage::write_lighting() {
    auto* device = dynamic_cast<keyboard::LightingDevice*>(controller_.get());
    if (device == nullptr || !device->command_channel().is_open() || !device_hooks_.run_device_work)
        return;
    device_hooks_.run_device_work(
        [device] { return device->write_lighting_to_device(); },
        [this, device](device::Result outcome) {
            if (!device::succeeded(outcome) && profile_panel_ != nullptr)
                if (const auto& trace = profile_panel_->trace_sink())
                    trace(device::failure_trace("writing the lighting", outcome));
            if (device->build_and_send_frame() && device_hooks_.resume_frames)
                device_hooks_.resume_frames();
            redraw();
        });
}

void CDevicePage::start_firmware_updater() {
    if (deferred_to_owner_thread(this, [this] { start_firmware_updater(); })) return;
    // The updater program ships separately; until it is there the user hears why nothing
    // happens.
    if (profile_panel_ != nullptr) profile_panel_->notify_user(latin(kUpdaterMissingNotice));
}

void CDevicePage::quit_application() {
    if (deferred_to_owner_thread(this, [this] { quit_application(); })) return;
    QCoreApplication::quit();
}

bool CDevicePage::confirm_firmware_update() {
    if (!confirm_ || closing_->is_set()) return false;
    const QString question = QString::fromLatin1(kFirmwareQuestion);
    if (QThread::currentThread() == thread()) return confirm_(question);
    // The call runs on the UI thread with copies of what it needs: the page may go while the
    // question is open, and this thread may have stopped waiting by the time it runs.
    auto confirmed = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<device::StopEvent> closing = closing_;
    const bool asked = run_on_ui_thread_and_wait(
        this,
        [confirm = confirm_, closing, confirmed, question] {
            if (!closing->is_set()) *confirmed = confirm(question);
        },
        *closing);
    return asked && *confirmed;
}

}  // namespace ilmo::shell
