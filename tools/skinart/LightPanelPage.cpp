#include "LightPanelPage.h"

#include <QColor>

#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/LightPanelNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace names = ilmo::shell::names::light_panel;

// Under the picture a tab has some 185 px of height: three cards side by side, the effect,
// its settings and the colour.
constexpr QSize kSwatchSize{24, 24};
constexpr QSize kEditSize{48, 24};
constexpr QSize kChipSize{84, 26};
constexpr QSize kPaletteSize{140, 118};
constexpr int kSwatchesPerRow = 4;
constexpr int kCardMargin = 10;
constexpr int kComboWidth = 150;

// The swatches' colours, the same on the light's and the music's side.
constexpr QRgb kSwatchColours[names::kSwatches] = {0xFF0000, 0xFF8000, 0xFFFF00, 0x00FF00,
                                                   0x00FFFF, 0x0000FF, 0x8000FF, 0xFFFFFF};

struct Kind {
    bool per_key = false;  // the keyboard's per-key colours
    bool music = false;    // the music lighting's section
};

QString numbered(const char* prefix, int index) {
    return QLatin1String(prefix) + QString::number(index);
}

void begin_group(UiWriter& ui, const char* name, const char* layout_class, int spacing) {
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(name));
    ui.begin_layout(QLatin1String(layout_class), QLatin1String(name) + QStringLiteral("_box"), 0,
                    spacing);
}

void end_group(UiWriter& ui) {
    ui.end_layout();
    ui.end_widget();
    ui.end_item();
}

void combo(UiWriter& ui, const char* name) {
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QComboBox"), QLatin1String(name));
    ui.size_property(QStringLiteral("minimumSize"), {kComboWidth, 26});
    ui.dynamic_number(QStringLiteral("fontid"), kHintFont);
    ui.end_widget();
    ui.end_item();
}

void button(SettingsPageWriter& w, const char* name, bool hidden = false) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QPushButton"), QLatin1String(name));
    w.text(QLatin1String(name) + QStringLiteral("_text"));
    ui.size_property(QStringLiteral("minimumSize"), {0, 26});
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_number(QStringLiteral("fontid"), kHintFont);
    if (hidden) ui.bool_property(QStringLiteral("visible"), false);
    ui.end_widget();
    ui.end_item();
}

// A colour button: its colour is its "bkcolor" property, which the panel paints.
void swatch(UiWriter& ui, const QString& name, QRgb rgb) {
    const QString colour = QColor::fromRgb(rgb).name();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QPushButton"), name);
    ui.fixed_size(kSwatchSize);
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("swatch"));
    ui.dynamic_string(QLatin1String(names::kSwatchColourProperty), colour);
    ui.end_widget();
    ui.end_item();
}

void slider_row(SettingsPageWriter& w, const char* layout, const char* slider) {
    UiWriter& ui = w.ui();
    begin_group(ui, layout, "QHBoxLayout", 8);
    w.label(QLatin1String(layout) + QStringLiteral("_title"),
            QByteArray(layout).append("_text").constData(), kHintFont, "muted");
    w.slider({QLatin1String(slider), 0, 4, 1, {100, 22}});
    end_group(ui);
}

void component_edits(SettingsPageWriter& w, const char* row, const char* const (&edits)[3],
                     const char* colour_button) {
    UiWriter& ui = w.ui();
    w.begin_row(QLatin1String(row), 4);
    swatch(ui, QLatin1String(colour_button), 0xFF0000);
    for (const char* edit : edits) {
        ui.begin_item();
        ui.begin_widget(QStringLiteral("QLineEdit"), QLatin1String(edit));
        ui.fixed_size(kEditSize);
        ui.set_property(QStringLiteral("alignment"), QStringLiteral("Qt::AlignCenter"));
        ui.dynamic_number(QStringLiteral("fontid"), kHintFont);
        ui.dynamic_number(QStringLiteral("numberonly"), 1);
        ui.dynamic_number(QStringLiteral("minvalue"), 0);
        ui.dynamic_number(QStringLiteral("maxvalue"), 255);
        ui.dynamic_number(QStringLiteral("maxchar"), 3);
        ui.end_widget();
        ui.end_item();
    }
    w.stretch(Qt::Horizontal, QLatin1String(row) + QStringLiteral("_stretch"));
    w.end_row();
}

void swatch_rows(SettingsPageWriter& w, const char* prefix) {
    for (int first = 0; first < names::kSwatches; first += kSwatchesPerRow) {
        const QString row = QLatin1String(prefix) + QStringLiteral("row_") + QString::number(first);
        w.begin_row(row, 6);
        for (int n = first; n < first + kSwatchesPerRow; ++n)
            swatch(w.ui(), numbered(prefix, n), kSwatchColours[n]);
        w.stretch(Qt::Horizontal, row + QStringLiteral("_stretch"));
        w.end_row();
    }
}

void palette(UiWriter& ui, const char* layout, const char* name) {
    begin_group(ui, layout, "QVBoxLayout", 0);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("ColorPalette"), QLatin1String(name));
    ui.size_property(QStringLiteral("minimumSize"), kPaletteSize);
    ui.end_widget();
    ui.end_item();
    end_group(ui);
}

void effect_card(SettingsPageWriter& w, const Kind& kind) {
    UiWriter& ui = w.ui();
    w.begin_card(QStringLiteral("light_effect_card"), "QVBoxLayout", 6, kCardMargin);
    begin_group(ui, names::kEffectLayout, "QVBoxLayout", 6);
    w.label(QStringLiteral("light_mode_title"), "light_mode_title_text", kCaptionFont, "caption");
    combo(ui, names::kModeCombo);
    begin_group(ui, names::kSecondaryLayout, "QVBoxLayout", 0);
    combo(ui, names::kSecondaryCombo);
    end_group(ui);
    if (kind.per_key) {
        begin_group(ui, names::kCustomLayout, "QVBoxLayout", 6);
        combo(ui, names::kCustomCombo);
        // One above the other: side by side they widen the card and squeeze the colour edits.
        button(w, names::kCustomBrightButton);
        button(w, names::kCustomOffButton);
        end_group(ui);
    }
    if (kind.music) {
        begin_group(ui, names::kAudioModeLayout, "QVBoxLayout", 6);
        combo(ui, names::kAudioModeCombo);
        button(w, names::kMusicSettingsButton);
        end_group(ui);
    }
    button(w, names::kSameMode, true);
    w.stretch(Qt::Vertical, QStringLiteral("light_effect_stretch"));
    end_group(ui);
    w.end_card();
}

void settings_card(SettingsPageWriter& w) {
    UiWriter& ui = w.ui();
    w.begin_card(QStringLiteral("light_settings_card"), "QVBoxLayout", 6, kCardMargin);
    slider_row(w, names::kBrightnessLayout, names::kBrightnessSlider);
    slider_row(w, names::kSpeedLayout, names::kSpeedSlider);
    begin_group(ui, names::kDirectionLayout, "QHBoxLayout", 6);
    w.chip(QLatin1String(names::kLeftOption), names::kDirectionGroup, kChipSize,
           QStringLiteral("light_set_right_to_left_text"));
    w.chip(QLatin1String(names::kRightOption), names::kDirectionGroup, kChipSize,
           QStringLiteral("light_set_left_to_right_text"));
    end_group(ui);
    w.check_box(names::kSevenColour);
    w.stretch(Qt::Vertical, QStringLiteral("light_settings_stretch"));
    w.end_card();
}

void light_colour_page(SettingsPageWriter& w) {
    UiWriter& ui = w.ui();
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(names::kLightColourLayout));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("light_color_box"), 0, 10);
    begin_group(ui, names::kColourLayout, "QVBoxLayout", 6);
    swatch_rows(w, names::kSwatchPrefix);
    component_edits(w, "deng_edit_row", names::kEdits, names::kColourButton);
    w.stretch(Qt::Vertical, QStringLiteral("deng_color_stretch"));
    end_group(ui);
    palette(ui, names::kPaletteLayout, names::kPalette);
    ui.end_layout();
    ui.end_widget();
}

void music_colour_page(SettingsPageWriter& w) {
    UiWriter& ui = w.ui();
    ui.begin_widget(QStringLiteral("QWidget"), QStringLiteral("light_audiocolor_page"));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("light_audiocolor_box"), 0, 10);
    begin_group(ui, names::kAudioColourLayout, "QVBoxLayout", 6);
    w.begin_row(QStringLiteral("audio_color_which_row"), 6);
    w.chip(QLatin1String(names::kAudioBackground), names::kAudioColourGroup, kChipSize);
    w.chip(QLatin1String(names::kAudioForeground), names::kAudioColourGroup, kChipSize);
    w.end_row();
    w.check_box(names::kAudioSevenColour);
    swatch_rows(w, names::kAudioSwatchPrefix);
    component_edits(w, "deng_audioedit_row", names::kAudioEdits, names::kAudioColourButton);
    end_group(ui);
    palette(ui, names::kAudioPaletteLayout, names::kAudioPalette);
    ui.end_layout();
    ui.end_widget();
}

void colour_card(SettingsPageWriter& w, const Kind& kind) {
    UiWriter& ui = w.ui();
    w.begin_card(QStringLiteral("light_colour_card"), "QVBoxLayout", 0, kCardMargin);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QStackedWidget"), QLatin1String(names::kColourTabs));
    light_colour_page(w);
    if (kind.music) music_colour_page(w);
    ui.end_widget();
    ui.end_item();
    w.end_card();
}

void write_light_page(UiWriter& ui, const CaptionOf& caption, const Kind& kind) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(page_names::kLightPage));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("key_function_page_light_layout"), 0, 0);
    ui.begin_item();
    ui.begin_widget(QLatin1String(names::kPanelClass), QLatin1String(names::kPanel));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("light_panel_row"), 0, 10);
    SettingsPageWriter w(ui, caption);
    effect_card(w, kind);
    settings_card(w);
    colour_card(w, kind);
    ui.end_layout();
    ui.end_widget();
    ui.end_item();
    ui.end_layout();
    ui.end_widget();
}

}  // namespace

void write_keyboard_light_page(UiWriter& ui, const CaptionOf& caption) {
    write_light_page(ui, caption, {.per_key = true, .music = true});
}

void write_mouse_light_page(UiWriter& ui, const CaptionOf& caption) {
    write_light_page(ui, caption, {.per_key = false, .music = true});
}

void write_plain_light_page(UiWriter& ui, const CaptionOf& caption) {
    write_light_page(ui, caption, {});
}

}  // namespace ilmo::skinart
