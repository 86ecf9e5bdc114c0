#include "HeadsetPages.h"

#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/HeadsetPanelNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace names = ilmo::shell::names::headset_panels;

// Under the picture a tab has some 185 px of height: the equaliser's card holds two rows
// of presets over the bands, the card beside it the user's curves and the microphone.
constexpr QSize kPresetSize{60, 24};
constexpr int kPresetsPerRow = 7;
constexpr int kBandColumn = 40;
constexpr int kScaleColumn = 44;
constexpr QSize kBandSliderSize{24, 70};
constexpr QSize kEffectSize{84, 30};
constexpr int kShortCardMargin = 10;

QString numbered(const char* prefix, int index) {
    return QLatin1String(prefix) + QString::number(index);
}

void push_button(SettingsPageWriter& w, const char* name, const char* langkey) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QPushButton"), QLatin1String(name));
    w.text(QLatin1String(langkey));
    ui.size_property(QStringLiteral("minimumSize"), {72, 26});
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_number(QStringLiteral("fontid"), kHintFont);
    ui.end_widget();
    ui.end_item();
}

// A label whose text the panel writes; right-aligned and muted.
void value_label(UiWriter& ui, const char* name) {
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLabel"), QLatin1String(name));
    ui.set_property(QStringLiteral("alignment"), QStringLiteral("Qt::AlignRight|Qt::AlignVCenter"));
    ui.dynamic_number(QStringLiteral("fontid"), kCaptionFont);
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("muted"));
    ui.end_widget();
    ui.end_item();
}

void fixed_label(SettingsPageWriter& w, const QString& name, const QString& langkey, QSize size,
                 const char* alignment) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLabel"), name);
    w.text(langkey);
    ui.fixed_size(size);
    ui.set_property(QStringLiteral("alignment"), QLatin1String(alignment));
    ui.dynamic_number(QStringLiteral("fontid"), kCaptionFont);
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("caption"));
    ui.end_widget();
    ui.end_item();
}

void begin_widget_with_layout(UiWriter& ui, const QString& name, const char* layout_class,
                              int spacing) {
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QWidget"), name);
    ui.begin_layout(QLatin1String(layout_class), name + QStringLiteral("_row"), 0, spacing);
}

void end_widget_with_layout(UiWriter& ui) {
    ui.end_layout();
    ui.end_widget();
    ui.end_item();
}

void preset_rows(SettingsPageWriter& w) {
    for (int first = names::kEqOffOption; first <= names::kCustomEqOption;
         first += kPresetsPerRow) {
        w.begin_row(QStringLiteral("hs_eq_presets_") + QString::number(first), 4);
        for (int n = first; n < first + kPresetsPerRow && n <= names::kCustomEqOption; ++n)
            w.chip(numbered(names::kEqOptionPrefix, n), names::kEqOptionGroup, kPresetSize);
        w.stretch(Qt::Horizontal,
                  QStringLiteral("hs_eq_presets_stretch_") + QString::number(first));
        w.end_row();
    }
}

// The dB scale beside the bands, with the unit of the band labels at its foot.
void band_scale(SettingsPageWriter& w) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("hs_eq_scale"), 0, 0);
    const QSize size{kScaleColumn, 14};
    const char* right = "Qt::AlignRight|Qt::AlignVCenter";
    const auto mark = [&](const char* name) {
        fixed_label(w, QLatin1String(name), QLatin1String(name) + QStringLiteral("_text"), size,
                    right);
    };
    mark("hs_eq_scale_top");
    w.stretch(Qt::Vertical, QStringLiteral("hs_eq_scale_upper"));
    mark("hs_eq_scale_middle");
    w.stretch(Qt::Vertical, QStringLiteral("hs_eq_scale_lower"));
    mark("hs_eq_scale_bottom");
    mark("hs_eq_scale_unit");
    ui.end_layout();
    ui.end_item();
}

void band_column(SettingsPageWriter& w, int band) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_layout(QStringLiteral("QVBoxLayout"), numbered("hs_eq_band_", band), 0, 0);
    w.slider({numbered(names::kBandSliderPrefix, band), names::kBandMin, names::kBandMax, 2,
              kBandSliderSize, false, Qt::Vertical});
    fixed_label(w, numbered("hs_eq_band_label_", band),
                numbered("hs_eq_band_", band) + QStringLiteral("_text"), {kBandColumn, 14},
                "Qt::AlignCenter");
    ui.end_layout();
    ui.end_item();
}

void write_eq_card(SettingsPageWriter& w) {
    w.begin_card(QStringLiteral("hs_eq_card"), "QVBoxLayout", 4, kShortCardMargin);
    preset_rows(w);
    w.begin_row(QStringLiteral("hs_eq_bands_row"), 0);
    band_scale(w);
    for (int band = 0; band < names::kBands; ++band) band_column(w, band);
    w.end_row();
    w.end_card();
}

void custom_curves(SettingsPageWriter& w, const CaptionOf& caption) {
    UiWriter& ui = w.ui();
    begin_widget_with_layout(ui, QLatin1String(names::kCustomLayout), "QVBoxLayout", 4);
    w.begin_row(QStringLiteral("hs_custom_choose_row"), 6);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QComboBox"), QLatin1String(names::kCustomNameCombo));
    // Its width must not follow the names: a long one would squeeze the equaliser beside it.
    ui.enum_property(QStringLiteral("sizeAdjustPolicy"),
                     QStringLiteral("QComboBox::AdjustToMinimumContentsLengthWithIcon"));
    ui.number_property(QStringLiteral("minimumContentsLength"), 12);
    ui.size_property(QStringLiteral("minimumSize"), {0, 26});
    ui.dynamic_number(QStringLiteral("fontid"), kHintFont);
    ui.dynamic_string(QStringLiteral("tipkey"), QStringLiteral("custom_eq_name_combo_tip"));
    ui.end_widget();
    ui.end_item();
    push_button(w, names::kDeleteButton, "hs_EQ_btn_delete_text");
    w.end_row();
    w.begin_row(QStringLiteral("hs_custom_save_row"), 6);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLineEdit"), QLatin1String(names::kCustomNameEdit));
    // The hint is the field's placeholder, which the language texts fill in.
    const QString hint = QStringLiteral("custom_eq_name_edit_hint");
    ui.dynamic_string(QStringLiteral("langkey"), hint);
    ui.string_property(QStringLiteral("placeholderText"), caption(hint));
    ui.size_property(QStringLiteral("minimumSize"), {0, 26});
    ui.dynamic_number(QStringLiteral("fontid"), kHintFont);
    ui.end_widget();
    ui.end_item();
    push_button(w, names::kSaveButton, "hs_EQ_btn_save_text");
    w.end_row();
    end_widget_with_layout(ui);
}

// A level: its switch with the card's range at the right, the slider under them.
void level(SettingsPageWriter& w, const char* option, const char* range, const char* slider) {
    w.begin_row(QLatin1String(option) + QStringLiteral("_row"), 6);
    w.check_box(option);
    w.stretch(Qt::Horizontal, QLatin1String(option) + QStringLiteral("_stretch"));
    value_label(w.ui(), range);
    w.end_row();
    w.slider({QLatin1String(slider), 0, names::kLevelMax, 10, {0, 22}});
}

void write_sound_card(SettingsPageWriter& w, const CaptionOf& caption) {
    w.begin_card(QStringLiteral("hs_sound_card"), "QVBoxLayout", 2, kShortCardMargin);
    custom_curves(w, caption);
    w.stretch(Qt::Vertical, QStringLiteral("hs_sound_card_gap"));
    level(w, names::kMicOption, names::kMicRange, names::kMicSlider);
    level(w, names::kMonitorOption, names::kMonitorRange, names::kMonitorSlider);
    w.end_card();
}

void begin_tab(UiWriter& ui, const char* name, int margin, int spacing) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(name));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QLatin1String(name) + QStringLiteral("_layout"),
                    margin, spacing);
}

void end_tab(UiWriter& ui) {
    ui.end_layout();
    ui.end_widget();
}

}  // namespace

void write_headset_voice_page(UiWriter& ui, const CaptionOf& caption) {
    begin_tab(ui, page_names::kVoicePage, 0, 6);
    SettingsPageWriter w(ui, caption);
    w.notice(names::kVoiceNotice);
    w.begin_row(QStringLiteral("hs_voice_row"), 10);
    write_eq_card(w);
    write_sound_card(w, caption);
    w.end_row();
    end_tab(ui);
}

void write_headset_magic_page(UiWriter& ui, const CaptionOf& caption) {
    begin_tab(ui, page_names::kMagicPage, 0, 6);
    SettingsPageWriter w(ui, caption);
    w.notice(names::kMagicNotice);
    w.begin_card(QStringLiteral("hs_magic_card"), "QVBoxLayout", 12);
    w.check_box(names::kMagicEnable);
    begin_widget_with_layout(ui, QLatin1String(names::kMagicLayout), "QHBoxLayout", 8);
    for (int n = 1; n <= names::kMagicEffects; ++n)
        w.chip(numbered(names::kMagicOptionPrefix, n), names::kMagicOptionGroup, kEffectSize);
    w.stretch(Qt::Horizontal, QStringLiteral("hs_magic_options_stretch"));
    end_widget_with_layout(ui);
    w.label(QStringLiteral("hs_magic_hint"), "hs_magic_hint_text", kHintFont, "muted");
    w.end_card();
    w.stretch(Qt::Vertical, QStringLiteral("hs_magic_stretch"));
    end_tab(ui);
}

void write_headset_surround_page(UiWriter& ui, const CaptionOf& caption) {
    begin_tab(ui, page_names::kVirtualPage, 20, 6);
    SettingsPageWriter w(ui, caption);
    w.caption(QStringLiteral("hs_surround_caption"), "hs_surround_caption_text");
    w.begin_card(QStringLiteral("hs_surround_card"), "QVBoxLayout", 12);
    w.check_box(names::kSurroundOption);
    w.label(QStringLiteral("hs_surround_hint"), "hs_surround_hint_text", kHintFont, "muted");
    w.end_card();
    w.notice(names::kSurroundNotice);
    w.stretch(Qt::Vertical, QStringLiteral("hs_surround_stretch"));
    end_tab(ui);
}

}  // namespace ilmo::skinart
