#include "shell/LightPageBinding.h"

#include <QAbstractButton>
#include <algorithm>

#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/CTavrinMousePadDevice.h"
#include "keyboard/SettingsRecord.h"
#include "mouse/CTavrinMouseDevice.h"
#include "profiles/ProfileListOutcome.h"
#include "shell/CDevicePage.h"
#include "shell/CLightControlUI.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/LightPanelNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace light_names = names::light_panel;

namespace {

// Brightness and speed are levels 0-4 on every kind.
constexpr int kTopLevel = 4;

bool is(const ui::Notification& n, const char* type, const char* sender) {
    return n.type == QLatin1String(type) && n.sender == QLatin1String(sender);
}

bool is_any(const ui::Notification& n, const char* type, std::span<const char* const> senders) {
    return std::any_of(senders.begin(), senders.end(),
                       [&](const char* sender) { return is(n, type, sender); });
}

bool edit_finished(const ui::Notification& n, std::span<const char* const> edits) {
    return is_any(n, "killfocus", edits) || is_any(n, "return", edits);
}

// N of "<prefix>N", or -1.
int indexed(const QString& name, const char* prefix) {
    const QLatin1String start(prefix);
    if (!name.startsWith(start)) return -1;
    bool ok = false;
    const int index = name.mid(start.size()).toInt(&ok);
    return ok && index >= 0 ? index : -1;
}

int panel_device_type(keyboard::LightingDevice& device) {
    if (dynamic_cast<keyboard::CTavrinKeyboardDevice*>(&device) != nullptr) return kPanelKeyboard;
    if (dynamic_cast<mouse::CTavrinMouseDevice*>(&device) != nullptr) return kPanelMouse;
    if (dynamic_cast<keyboard::CTavrinMousePadDevice*>(&device) != nullptr) return kPanelMousePad;
    return kPanelHeadset;
}

void set_colour(device::LightRecord& record, QRgb colour) {
    record.red = static_cast<uint8_t>(qRed(colour));
    record.green = static_cast<uint8_t>(qGreen(colour));
    record.blue = static_cast<uint8_t>(qBlue(colour));
}

}  // namespace

std::unique_ptr<LightPageBinding> LightPageBinding::bind(CDevicePage& page,
                                                         keyboard::LightingDevice& device,
                                                         ui::Translate translate) {
    auto* panel = ui::find_control<CLightControlUI>(&page, QString::fromLatin1(light_names::kPanel));
    if (panel == nullptr) return nullptr;
    return std::make_unique<LightPageBinding>(page, device, *panel, std::move(translate));
}

LightPageBinding::LightPageBinding(CDevicePage& page, keyboard::LightingDevice& device,
                                   CLightControlUI& panel, ui::Translate translate)
    : page_(page),
      device_(device),
      keyboard_(dynamic_cast<keyboard::CTavrinKeyboardDevice*>(&device)),
      panel_(panel),
      translate_(std::move(translate)) {
    panel_.set_device_type(panel_device_type(device_));
    panel_.set_translate(translate_);
    panel_.set_trace([this](const std::string& line) { trace(line); });
    retranslate();
}

void LightPageBinding::retranslate() {
    QStringList names;
    std::vector<bool> visible;
    for (const profiles::BuiltinMode& mode : device_.modes()) {
        names << QString::fromStdString(mode.name);
        visible.push_back(mode.visible);
    }
    panel_.fill_mode_list(names, visible, kTopLevel, kTopLevel);
    if (keyboard_ != nullptr) panel_.fill_custom_groups(keyboard::CTavrinKeyboardDevice::kCustomGroups);
    refresh();
}

bool LightPageBinding::has_music() const {
    return panel_.device_type() == kPanelKeyboard || panel_.device_type() == kPanelMouse;
}

void LightPageBinding::refresh() {
    device::LightRecord shown = device_.lighting();
    // A record from a file or a device may hold any byte; the panel shows the nearest level.
    shown.brightness = std::min<uint8_t>(shown.brightness, kTopLevel);
    shown.speed = std::min<uint8_t>(shown.speed, kTopLevel);
    panel_.show_light(shown);
    if (has_music()) panel_.show_audio_light(device_.audio_light());
}

bool LightPageBinding::handle_notification(const ui::Notification& n) {
    if (handle_per_key(n)) return true;
    auto* control = qobject_cast<QWidget*>(n.control);
    if (control == nullptr || !panel_.isAncestorOf(control)) return false;
    return handle_light(n) || handle_music(n);
}

bool LightPageBinding::handle_light(const ui::Notification& n) {
    static constexpr const char* combos[] = {light_names::kCustomCombo, light_names::kSecondaryCombo};
    static constexpr const char* sliders[] = {light_names::kBrightnessSlider, light_names::kSpeedSlider};
    static constexpr const char* options[] = {light_names::kLeftOption, light_names::kRightOption,
                                              light_names::kSevenColour};
    if (is(n, "itemselect", light_names::kModeCombo)) {
        panel_.select_mode(n.wparam);
    } else if (is(n, "colorchanged", light_names::kPalette)) {
        panel_.show_colour(static_cast<QRgb>(n.value.toUInt()));
    } else if (edit_finished(n, light_names::kEdits)) {
        panel_.show_colour(panel_.edits_colour());
    } else if (const int swatch = indexed(n.sender, light_names::kSwatchPrefix);
               swatch >= 0 && n.type == QLatin1String("click")) {
        take_swatch(panel_.swatch_colour(swatch));
        return true;
    } else if (!is_any(n, "itemselect", combos) && !is_any(n, "valuechanged", sliders) &&
               !is_any(n, "selectchanged", options)) {
        return false;
    }
    change_lighting(record_from_panel());
    return true;
}

bool LightPageBinding::handle_music(const ui::Notification& n) {
    static constexpr const char* options[] = {light_names::kAudioSevenColour,
                                              light_names::kAudioBackground,
                                              light_names::kAudioForeground};
    if (is(n, "itemselect", light_names::kAudioModeCombo) || is_any(n, "selectchanged", options)) {
        change_music(false);
    } else if (is(n, "colorchanged", light_names::kAudioPalette)) {
        panel_.show_audio_colour(static_cast<QRgb>(n.value.toUInt()));
        change_music(true);
    } else if (edit_finished(n, light_names::kAudioEdits)) {
        panel_.show_audio_colour(panel_.audio_edits_colour());
        change_music(true);
    } else if (const int swatch = indexed(n.sender, light_names::kAudioSwatchPrefix);
               swatch >= 0 && n.type == QLatin1String("click")) {
        take_music_swatch(panel_.audio_swatch_colour(swatch));
    } else {
        return false;
    }
    return true;
}

device::LightRecord LightPageBinding::record_from_panel() const {
    device::LightRecord record = device_.lighting();
    const auto byte_of = [](int value, uint8_t otherwise) {
        return value >= 0 ? static_cast<uint8_t>(std::min(value, 255)) : otherwise;
    };
    record.mode = byte_of(panel_.mode_index(), record.mode);
    record.brightness = byte_of(panel_.brightness(), record.brightness);
    record.speed = byte_of(panel_.speed(), record.speed);
    record.secondary_mode = byte_of(panel_.secondary_mode_index(), record.secondary_mode);
    record.custom_group = byte_of(panel_.custom_group_index(), record.custom_group);
    // Left is any direction but 0: a left direction the device chose itself stays as it is.
    if (!panel_.direction_left())
        record.direction = 0;
    else if (record.direction == 0)
        record.direction = 1;
    record.multicolor = panel_.seven_colour() ? 1 : 0;
    set_colour(record, panel_.edits_colour());
    return record;
}

void LightPageBinding::change_lighting(const device::LightRecord& record) {
    const device::LightRecord current = device_.lighting();
    if (device::with_running_effect(record, current) == current) return refresh();
    if (!device_.change_lighting(record)) notify_write_failed();
    refresh();
    page_.write_lighting();
}

void LightPageBinding::take_swatch(QRgb colour) {
    device::LightRecord record = device_.lighting();
    set_colour(record, colour);
    record.multicolor = 0;
    change_lighting(record);
}

void LightPageBinding::change_music(bool take_colour) {
    if (!device_.change_audio_light(panel_.read_audio_light(take_colour))) notify_write_failed();
    panel_.show_audio_light(device_.audio_light());
}

void LightPageBinding::take_music_swatch(QRgb colour) {
    profiles::AudioLightRecord record = panel_.read_audio_light(true);
    const auto r = static_cast<uint8_t>(qRed(colour));
    const auto g = static_cast<uint8_t>(qGreen(colour));
    const auto b = static_cast<uint8_t>(qBlue(colour));
    if (record.edits_foreground != 0) {
        record.foreground_red = r, record.foreground_green = g, record.foreground_blue = b;
        record.seven_color = 0;
    } else {
        record.background_red = r, record.background_green = g, record.background_blue = b;
    }
    if (!device_.change_audio_light(record)) notify_write_failed();
    panel_.show_audio_light(device_.audio_light());
}

void LightPageBinding::notify_write_failed() const {
    if (CDeviceProfileUI* profile = page_.profile_panel())
        profile->notify_user(QString::fromLatin1(profiles::kWriteFailedNotice.data(),
                                                 static_cast<qsizetype>(profiles::kWriteFailedNotice.size())));
}

void LightPageBinding::trace(const std::string& line) const {
    if (CDeviceProfileUI* profile = page_.profile_panel())
        if (const auto& sink = profile->trace_sink()) sink(line);
}

}  // namespace ilmo::shell
