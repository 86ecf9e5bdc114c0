#include "MouseSystemPage.h"

#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/MouseSettingsNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace names = ilmo::shell::names::mouse_settings;

constexpr QSize kSliderSize{300, 24};

// A slider row: its title, then the slider between its two ends' words.
void slider_row(SettingsPageWriter& w, const char* row, const char* title_key,
                const SliderSpec& slider) {
    const QString name = QLatin1String(row);
    w.begin_row(name + QStringLiteral("_row"), 12);
    w.row_label(name + QStringLiteral("_label"), title_key);
    w.label(name + QStringLiteral("_slow"), "mouse_slow_text", kHintFont, "muted");
    w.slider(slider);
    w.label(name + QStringLiteral("_fast"), "mouse_fast_text", kHintFont, "muted");
    w.end_row();
}

// One captioned card: a slider row and, under it, the check box that goes with it, if any.
struct Section {
    const char* name;  // of the caption ("<name>_caption") and the card ("<name>_card")
    const char* caption_key;
    const char* row;
    const char* title_key;
    SliderSpec slider;
    const char* check = nullptr;
};

void write_section(SettingsPageWriter& w, const Section& section) {
    const QString name = QLatin1String(section.name);
    w.caption(name + QStringLiteral("_caption"), section.caption_key);
    w.begin_card(name + QStringLiteral("_card"), "QVBoxLayout", 14);
    slider_row(w, section.row, section.title_key, section.slider);
    if (section.check != nullptr) w.check_box(section.check);
    w.end_card();
}

}  // namespace

void write_mouse_system_page(UiWriter& ui, const CaptionOf& caption) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(page_names::kSystemPage));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("mouse_system_page_layout"), 20,
                    6);
    SettingsPageWriter w(ui, caption);
    const Section sections[] = {
        {"mouse_pointer", "mouse_pointer_caption_text", "pointer_speed", "pointer_speed_text",
         {QLatin1String(names::kPointerSpeedSlider), names::kPointerSpeedMin,
          names::kPointerSpeedMax, 2, kSliderSize},
         names::kPointerPrecisionCheck},
        {"mouse_wheel", "mouse_wheel_caption_text", "scroll_speed", "scroll_speed_text",
         {QLatin1String(names::kScrollSpeedSlider), names::kScrollLinesMin,
          names::kScrollLinesMax, 2, kSliderSize},
         names::kScrollsPageCheck},
        // A longer time is a slower double-click: the slider runs from slow to fast.
        {"mouse_double_click", "mouse_double_click_caption_text", "double_click",
         "double_click_text",
         {QLatin1String(names::kDoubleClickSlider), names::kDoubleClickMinMs,
          names::kDoubleClickMaxMs, 50, kSliderSize, true}},
    };
    for (const Section& section : sections) write_section(w, section);
    w.label(QStringLiteral("mouse_pointer_hint"), "mouse_pointer_hint_text", kHintFont, "muted");
    w.stretch(Qt::Vertical, QStringLiteral("mouse_system_page_stretch"));
    ui.end_layout();
    ui.end_widget();
}

}  // namespace ilmo::skinart
