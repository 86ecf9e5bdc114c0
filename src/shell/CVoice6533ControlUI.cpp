#include "shell/CVoice6533ControlUI.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "profiles/EqualizerSection.h"
#include "shell/PanelControls.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace voice_names = names::headset_panels;

static_assert(voice_names::kBandMin == profiles::kEqBandLowest &&
                  voice_names::kBandMax == profiles::kEqBandHighest,
              "the band sliders reach as far as a stored band may");

namespace {

QString range_text(const ui::Translate& translate, const std::optional<LevelRange>& range) {
    if (!range) return {};
    return translate(QString::fromLatin1(voice_names::kRangeText))
        .arg(QString::fromStdString(range->lowest), QString::fromStdString(range->highest),
             QString::fromStdString(range->step));
}

QStringList utf8_list(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << QString::fromStdString(text);
    return list;
}

}  // namespace

CVoice6533ControlUI::CVoice6533ControlUI(QWidget* page, ui::Translate translate)
    : HeadsetTabUI(page, std::move(translate), voice_names::kVoiceNotice),
      options_(panel::find_family<QAbstractButton, voice_names::kCustomEqOption + 1>(
          page, voice_names::kEqOptionPrefix, voice_names::kEqOffOption)),
      bands_(
          panel::find_family<QSlider, voice_names::kBands>(page, voice_names::kBandSliderPrefix)),
      custom_layout_(panel::find<QWidget>(page, voice_names::kCustomLayout)),
      custom_names_(panel::find<QComboBox>(page, voice_names::kCustomNameCombo)),
      custom_name_edit_(panel::find<QLineEdit>(page, voice_names::kCustomNameEdit)),
      save_(panel::find<QAbstractButton>(page, voice_names::kSaveButton)),
      delete_(panel::find<QAbstractButton>(page, voice_names::kDeleteButton)),
      mic_{panel::find<QAbstractButton>(page, voice_names::kMicOption),
           panel::find<QSlider>(page, voice_names::kMicSlider),
           panel::find<QLabel>(page, voice_names::kMicRange)},
      monitor_{panel::find<QAbstractButton>(page, voice_names::kMonitorOption),
               panel::find<QSlider>(page, voice_names::kMonitorSlider),
               panel::find<QLabel>(page, voice_names::kMonitorRange)} {
    // Values change when a slider is let go, not at every step of a drag: the value only
    // moves (and "valuechanged" comes) then.
    for (QSlider* slider : bands_)
        if (slider != nullptr) slider->setTracking(false);
    for (QSlider* slider : {mic_.slider, monitor_.slider})
        if (slider != nullptr) slider->setTracking(false);
    show({});
}

void CVoice6533ControlUI::show_controls(const HeadsetPanelState& state) {
    show_equaliser(state);
    show_custom_names(state);
    show_level(mic_, state.microphone_unusable, state.mic_on, state.mic_level, state.mic_range);
    show_level(monitor_, state.monitoring_unusable, state.monitor_on, state.monitor_level,
               state.monitor_range);
}

void CVoice6533ControlUI::show_equaliser(const HeadsetPanelState& state) {
    const QString unusable = wording(state.equaliser_unusable);
    panel::check_only(options_, state.eq_choice);
    for (QAbstractButton* option : options_) panel::show_usable(option, unusable);
    for (size_t band = 0; band < bands_.size(); ++band) {
        panel::set_slider(bands_[band], state.bands[band]);
        panel::show_usable(bands_[band], unusable);
    }
    // The curves' controls are for option 13 alone.
    panel::show_usable(custom_layout_, unusable, state.eq_choice == voice_names::kCustomEqOption);
}

void CVoice6533ControlUI::show_custom_names(const HeadsetPanelState& state) {
    if (custom_names_ == nullptr) return;
    const QStringList names = utf8_list(state.custom_names);
    QStringList shown;
    for (int i = 0; i < custom_names_->count(); ++i) shown << custom_names_->itemText(i);
    if (shown != names) {
        custom_names_->clear();
        custom_names_->addItems(names);
    }
    const bool known = state.custom_selected >= 0 && state.custom_selected < names.size();
    custom_names_->setCurrentIndex(known ? state.custom_selected : -1);
    panel::set_enabled(delete_, known);
}

void CVoice6533ControlUI::show_level(const Level& level, const std::string& unusable, bool on,
                                     int value, const std::optional<LevelRange>& range) {
    const QString why = wording(unusable);
    panel::set_checked(level.option, on);
    panel::show_usable(level.option, why);
    panel::set_slider(level.slider, 0, voice_names::kLevelMax, value);
    panel::show_usable(level.slider, why);
    if (level.range != nullptr)
        level.range->setText(why.isEmpty() ? range_text(translate(), range) : QString());
}

void CVoice6533ControlUI::clear_custom_name() {
    if (custom_name_edit_ != nullptr) custom_name_edit_->clear();
}

bool CVoice6533ControlUI::handle_notification(const ui::Notification& n) {
    if (n.control == nullptr) return false;
    if (const int option = panel::index_in(options_, n.control); option >= 0) {
        if (panel::chosen(n) && on_preset) on_preset(option);
        return true;
    }
    if (const int band = panel::index_in(bands_, n.control); band >= 0) {
        if (n.type == QLatin1String("valuechanged") && on_band) on_band(band, n.wparam);
        return true;
    }
    if (n.control == custom_names_) {
        if (n.type == QLatin1String("itemselect") && on_custom_chosen) on_custom_chosen(n.wparam);
        return true;
    }
    if (n.control == save_) {
        if (n.type == QLatin1String("click") && on_save) {
            const QString name =
                custom_name_edit_ != nullptr ? custom_name_edit_->text().trimmed() : QString();
            on_save(name.toStdString());
        }
        return true;
    }
    if (n.control == delete_) {
        if (n.type == QLatin1String("click") && on_delete) on_delete();
        return true;
    }
    return handle_level(mic_, n, on_mic_switched, on_mic_level) ||
           handle_level(monitor_, n, on_monitor_switched, on_monitor_level);
}

bool CVoice6533ControlUI::handle_level(const Level& level, const ui::Notification& n,
                                       const std::function<void(bool)>& switched,
                                       const std::function<void(int)>& moved) const {
    if (n.control == level.option) {
        if (n.type == QLatin1String("selectchanged") && switched) switched(n.value.toBool());
        return true;
    }
    if (n.control == level.slider) {
        if (n.type == QLatin1String("valuechanged") && moved) moved(n.wparam);
        return true;
    }
    return false;
}

}  // namespace ilmo::shell
