#include "shell/CLightControlUI.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <algorithm>
#include <array>

#include "shell/PanelControls.h"
#include "shell/names/LightPanelNames.h"
#include "shell/ui/CColorPaletteUI.h"
#include "shell/ui/ControlLookup.h"

namespace ilmo::shell {

namespace light_names = names::light_panel;

namespace {

constexpr int kModeItemHeight = 30;
constexpr QRgb kOpaqueBlack = 0xFF000000u;

QRgb opaque(uint8_t red, uint8_t green, uint8_t blue) {
    return kOpaqueBlack | (static_cast<QRgb>(red) << 16) | (static_cast<QRgb>(green) << 8) | blue;
}

int component_of(const QString& text) {
    return std::clamp(text.trimmed().toInt(), 0, 255);
}

}  // namespace

void paint_button(QAbstractButton* button, QRgb colour) {
    if (button == nullptr) return;
    const QColor shown = QColor::fromRgb(colour);
    button->setProperty(names::light_panel::kSwatchColourProperty, shown.name());
    // Unusable, the colour sinks into the dark skin as the other controls' texts do.
    const QColor sunk = QColor::fromRgbF(shown.redF() * 0.35f, shown.greenF() * 0.35f,
                                         shown.blueF() * 0.35f);
    button->setStyleSheet(QStringLiteral("QAbstractButton { background-color: %1; }"
                                         " QAbstractButton:disabled { background-color: %2; }")
                              .arg(shown.name(), sunk.name()));
}

QRgb button_colour(const QAbstractButton* button) {
    if (button == nullptr) return 0;
    const QColor colour(button->property(names::light_panel::kSwatchColourProperty).toString());
    return colour.isValid() ? colour.rgba() : 0;
}

CLightControlUI::CLightControlUI(QWidget* parent) : QWidget(parent) {}

template <class T>
T* CLightControlUI::control(const char* name) const {
    const QString key = QString::fromLatin1(name);
    auto it = cache_.constFind(key);
    QObject* found = it != cache_.cend() ? it.value() : nullptr;
    if (it == cache_.cend()) {
        // Looked up on first use: the layout builds the panel before its children.
        found = ui::find_control<T>(const_cast<CLightControlUI*>(this), key);
        if (found != nullptr) cache_.insert(key, found);
    }
    if (found == nullptr) missing(key);
    return qobject_cast<T*>(found);
}

template <class T>
T* CLightControlUI::control(const char* prefix, int index) const {
    const QByteArray name = (QLatin1String(prefix) + QString::number(index)).toLatin1();
    return control<T>(name.constData());
}

void CLightControlUI::missing(const QString& name) const {
    if (traced_missing_.contains(name)) return;
    traced_missing_ << name;
    if (trace_) trace_("lighting panel: no control \"" + name.toStdString() + "\"");
}

QString CLightControlUI::translated(const QString& key) const {
    return translate_ ? translate_(key) : key;
}

void CLightControlUI::set_same_mode(bool same_mode) {
    same_mode_ = same_mode;
    if (auto* button = control<QWidget>(light_names::kSameMode))
        button->setVisible(same_mode_ && look_.same_mode_wanted);
}

void CLightControlUI::fill_mode_list(const QStringList& names, const std::vector<bool>& visible,
                                     int brightness_max, int speed_max) {
    if (auto* combo = control<QComboBox>(light_names::kModeCombo)) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString text = translated(names[i]);
            combo->addItem(text);
            combo->setItemData(static_cast<int>(i), text, Qt::ToolTipRole);
            combo->setItemData(static_cast<int>(i), QSize(0, kModeItemHeight), Qt::SizeHintRole);
            const bool shown = static_cast<size_t>(i) >= visible.size() || visible[static_cast<size_t>(i)];
            if (auto* view = qobject_cast<QListView*>(combo->view()))
                view->setRowHidden(static_cast<int>(i), !shown);
        }
    }
    for (auto [name, maximum] : {std::pair{light_names::kBrightnessSlider, brightness_max},
                                 std::pair{light_names::kSpeedSlider, speed_max}}) {
        auto* slider = control<QSlider>(name);
        panel::set_slider(slider, 0, maximum, 0);
        // A level is taken when the slider is let go, not at every step of a drag.
        if (slider != nullptr) slider->setTracking(false);
    }
    paint_swatches();
    fill_numbered(light_names::kSecondaryCombo, light_names::kSecondaryModeTextPrefix,
                  light_names::kSecondaryModes);
    if (device_type_ == kPanelKeyboard || device_type_ == kPanelMouse)
        fill_numbered(light_names::kAudioModeCombo, light_names::kAudioModeTextPrefix,
                      light_names::kAudioModes);
}

void CLightControlUI::paint_swatches() {
    const bool music = device_type_ == kPanelKeyboard || device_type_ == kPanelMouse;
    for (const char* prefix : {light_names::kSwatchPrefix, light_names::kAudioSwatchPrefix}) {
        if (!music && prefix == light_names::kAudioSwatchPrefix) continue;
        for (int n = 0; n < light_names::kSwatches; ++n) {
            auto* swatch = control<QAbstractButton>(prefix, n);
            paint_button(swatch, button_colour(swatch));
        }
    }
}

void CLightControlUI::fill_numbered(const char* combo_name, const char* key_prefix, int count) {
    auto* combo = control<QComboBox>(combo_name);
    if (combo == nullptr) return;
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (int i = 0; i < count; ++i)
        combo->addItem(translated(QLatin1String(key_prefix) + QString::number(i)));
}

void CLightControlUI::fill_custom_groups(int count) {
    auto* combo = control<QComboBox>(light_names::kCustomCombo);
    if (combo == nullptr) return;
    const QSignalBlocker quiet(combo);
    combo->clear();
    const QString text = translated(QString::fromLatin1(light_names::kCustomGroupText));
    for (int group = 1; group <= count; ++group) combo->addItem(text.arg(group));
}

void CLightControlUI::show_light(const device::LightRecord& record) {
    if (auto* combo = control<QComboBox>(light_names::kModeCombo)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(record.mode < combo->count() ? record.mode : -1);
    }
    panel::set_slider(control<QSlider>(light_names::kBrightnessSlider), record.brightness);
    panel::set_slider(control<QSlider>(light_names::kSpeedSlider), record.speed);
    show_colour(opaque(record.red, record.green, record.blue));
    panel::set_checked(control<QAbstractButton>(light_names::kSevenColour), record.multicolor != 0);
    if (auto* combo = control<QComboBox>(light_names::kSecondaryCombo)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(record.secondary_mode < combo->count() ? record.secondary_mode : -1);
    }
    if (auto* combo = control<QComboBox>(light_names::kCustomCombo)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(record.custom_group < combo->count() ? record.custom_group : -1);
    }
    panel::set_checked(control<QAbstractButton>(light_names::kLeftOption), record.direction != 0);
    panel::set_checked(control<QAbstractButton>(light_names::kRightOption), record.direction == 0);
    apply_look(light_panel_look(device_type_, record.mode));
}

void CLightControlUI::select_mode(int index) {
    if (auto* combo = control<QComboBox>(light_names::kModeCombo)) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
    }
    apply_look(light_panel_look(device_type_, index));
}

void CLightControlUI::show_colour(QRgb colour) {
    const QColor c = QColor::fromRgb(colour);
    const int components[] = {c.red(), c.green(), c.blue()};
    for (int i = 0; i < 3; ++i)
        if (auto* edit = control<QLineEdit>(light_names::kEdits[i]))
            edit->setText(QString::number(components[i]));
    if (auto* palette = control<ui::CColorPaletteUI>(light_names::kPalette))
        palette->set_select_color(colour);
    paint_button(control<QAbstractButton>(light_names::kColourButton), colour);
}

void CLightControlUI::apply_look(const LightPanelLook& look) {
    look_ = look;
    set_layout_enabled(light_names::kEffectLayout, true);
    panel::set_enabled(control<QWidget>(light_names::kSevenColour), look.seven_colour);
    set_layout_enabled(light_names::kColourLayout, look.colour);
    set_layout_enabled(light_names::kPaletteLayout, look.colour);
    set_layout_enabled(light_names::kLightColourLayout, look.light_colour_layout);
    set_layout_enabled(light_names::kDirectionLayout, look.direction);
    set_layout_enabled(light_names::kBrightnessLayout, look.brightness);
    set_layout_enabled(light_names::kSpeedLayout, look.speed);
    set_layout_shown(light_names::kSpeedLayout, look.speed_shown);
    set_layout_shown(light_names::kSecondaryLayout, look.secondary_shown);
    // The per-key and music sections exist on the keyboard's (and the mouse's) panel alone.
    if (device_type_ == kPanelKeyboard) set_layout_shown(light_names::kCustomLayout, look.custom_shown);
    if (device_type_ == kPanelKeyboard || device_type_ == kPanelMouse) {
        set_layout_shown(light_names::kAudioModeLayout, look.audio_mode_shown);
        ui::select_tab(this, QString::fromLatin1(light_names::kColourTabs), look.colour_tab);
    }
    set_same_mode(same_mode_);
    set_direction_texts(look.left_text, look.right_text);
}

void CLightControlUI::set_layout_enabled(const char* name, bool enabled) {
    panel::set_enabled(control<QWidget>(name), enabled);
}

void CLightControlUI::set_layout_shown(const char* name, bool shown) {
    if (auto* layout = control<QWidget>(name)) layout->setVisible(shown);
}

void CLightControlUI::set_direction_texts(const char* left, const char* right) {
    const std::pair<const char*, const char*> options[] = {{light_names::kLeftOption, left},
                                                           {light_names::kRightOption, right}};
    for (const auto& [name, key] : options) {
        auto* option = control<QAbstractButton>(name);
        if (option == nullptr || key == nullptr) continue;
        // Kept as its language key too, so a change of language rewords it.
        option->setProperty("langkey", QString::fromLatin1(key));
        option->setText(translated(QString::fromLatin1(key)));
    }
}

int CLightControlUI::mode_index() const {
    auto* combo = control<QComboBox>(light_names::kModeCombo);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int CLightControlUI::custom_group_index() const {
    auto* combo = control<QComboBox>(light_names::kCustomCombo);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int CLightControlUI::secondary_mode_index() const {
    auto* combo = control<QComboBox>(light_names::kSecondaryCombo);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int CLightControlUI::brightness() const {
    auto* slider = control<QSlider>(light_names::kBrightnessSlider);
    return slider != nullptr ? slider->value() : -1;
}

int CLightControlUI::speed() const {
    auto* slider = control<QSlider>(light_names::kSpeedSlider);
    return slider != nullptr ? slider->value() : -1;
}

bool CLightControlUI::direction_left() const {
    auto* option = control<QAbstractButton>(light_names::kLeftOption);
    return option != nullptr && option->isChecked();
}

bool CLightControlUI::seven_colour() const {
    auto* check = control<QAbstractButton>(light_names::kSevenColour);
    return check != nullptr && check->isChecked();
}

QString CLightControlUI::edit_text(int component) const {
    if (component < 0 || component > 2) return {};
    auto* edit = control<QLineEdit>(light_names::kEdits[component]);
    return edit != nullptr ? edit->text() : QString();
}

QRgb CLightControlUI::edits_colour() const {
    return qRgb(component_of(edit_text(0)), component_of(edit_text(1)), component_of(edit_text(2)));
}

QRgb CLightControlUI::palette_colour() const {
    auto* palette = control<ui::CColorPaletteUI>(light_names::kPalette);
    return palette != nullptr ? palette->select_color() : kOpaqueBlack;
}

QRgb CLightControlUI::swatch_colour(int n) const {
    return button_colour(control<QAbstractButton>(light_names::kSwatchPrefix, n));
}

QRgb CLightControlUI::audio_swatch_colour(int n) const {
    return button_colour(control<QAbstractButton>(light_names::kAudioSwatchPrefix, n));
}

// The music lighting's section. Its controls belong together: without one of them the
// section cannot show or read a consistent record, so it says so and leaves the rest.

namespace {

constexpr const char* kShowAudioMissing = " SetAudioLightInfo control is NULL";
constexpr const char* kReadAudioMissing = "GetAudioLightInfo control is NULL";
constexpr const char* kAudioEditMissing = "GetLightAudioColor control is NULL";

QRgb foreground_of(const profiles::AudioLightRecord& r) {
    return opaque(r.foreground_red, r.foreground_green, r.foreground_blue);
}

QRgb background_of(const profiles::AudioLightRecord& r) {
    return opaque(r.background_red, r.background_green, r.background_blue);
}

}  // namespace

void CLightControlUI::show_audio_light(const profiles::AudioLightRecord& record) {
    audio_ = record;
    auto* combo = control<QComboBox>(light_names::kAudioModeCombo);
    auto* foreground = control<QAbstractButton>(light_names::kAudioForeground);
    auto* background = control<QAbstractButton>(light_names::kAudioBackground);
    auto* seven = control<QAbstractButton>(light_names::kAudioSevenColour);
    if (combo == nullptr || foreground == nullptr || background == nullptr || seven == nullptr) {
        if (trace_) trace_(kShowAudioMissing);
        return;
    }
    {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(record.audio_mode < combo->count() ? record.audio_mode : -1);
    }
    if (record.edits_foreground != 0) {
        panel::check_only(std::array<QAbstractButton*, 2>{background, foreground}, 1);
        seven->setChecked(record.seven_color != 0);
        show_audio_colour(foreground_of(record));
    } else {
        panel::check_only(std::array<QAbstractButton*, 2>{background, foreground}, 0);
        show_audio_colour(background_of(record));
    }
    const bool colours = record.audio_mode != light_names::kAudioModeWithoutColours;
    set_layout_enabled(light_names::kAudioColourLayout, colours);
    set_layout_enabled(light_names::kAudioPaletteLayout, colours);
}

void CLightControlUI::show_audio_colour(QRgb colour) {
    const QColor c = QColor::fromRgb(colour);
    const int components[] = {c.red(), c.green(), c.blue()};
    for (int i = 0; i < 3; ++i)
        if (auto* edit = control<QLineEdit>(light_names::kAudioEdits[i]))
            edit->setText(QString::number(components[i]));
    if (auto* palette = control<ui::CColorPaletteUI>(light_names::kAudioPalette))
        palette->set_select_color(colour);
    paint_button(control<QAbstractButton>(light_names::kAudioColourButton), colour);
}

profiles::AudioLightRecord CLightControlUI::read_audio_light(bool take_colour) {
    auto* foreground = control<QAbstractButton>(light_names::kAudioForeground);
    auto* background = control<QAbstractButton>(light_names::kAudioBackground);
    auto* seven = control<QAbstractButton>(light_names::kAudioSevenColour);
    auto* button = control<QAbstractButton>(light_names::kAudioColourButton);
    if (foreground == nullptr || background == nullptr || seven == nullptr || button == nullptr) {
        if (trace_) trace_(kReadAudioMissing);
        return audio_;
    }
    if (auto* combo = control<QComboBox>(light_names::kAudioModeCombo); combo && combo->currentIndex() >= 0)
        audio_.audio_mode = static_cast<uint8_t>(combo->currentIndex());
    audio_.seven_color = seven->isChecked() ? 1 : 0;
    if (audio_.edits_foreground != 0)
        audio_.edits_foreground = background->isChecked() ? 0 : 1;
    else
        audio_.edits_foreground = foreground->isChecked() ? 1 : 0;
    if (take_colour) {
        const QColor c = QColor::fromRgb(button_colour(button));
        const auto r = static_cast<uint8_t>(c.red());
        const auto g = static_cast<uint8_t>(c.green());
        const auto b = static_cast<uint8_t>(c.blue());
        if (audio_.edits_foreground != 0) {
            audio_.foreground_red = r, audio_.foreground_green = g, audio_.foreground_blue = b;
        } else {
            audio_.background_red = r, audio_.background_green = g, audio_.background_blue = b;
        }
    }
    return audio_;
}

QString CLightControlUI::audio_edit_text(int component) const {
    auto* edit = component >= 0 && component <= 2
                     ? control<QLineEdit>(light_names::kAudioEdits[component])
                     : nullptr;
    if (edit == nullptr) {
        if (trace_) trace_(kAudioEditMissing);
        return {};
    }
    return edit->text();
}

QRgb CLightControlUI::audio_edits_colour() const {
    return qRgb(component_of(audio_edit_text(0)), component_of(audio_edit_text(1)),
                component_of(audio_edit_text(2)));
}

QRgb CLightControlUI::audio_palette_colour() const {
    auto* palette = control<ui::CColorPaletteUI>(light_names::kAudioPalette);
    return palette != nullptr ? palette->select_color() : kOpaqueBlack;
}

}  // namespace ilmo::shell
