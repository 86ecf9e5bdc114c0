#include "MouseSettingsPage.h"

#include <iterator>

#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/MouseSettingsNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace names = ilmo::shell::names::mouse_settings;

constexpr int kOptionWidth = 120;
constexpr int kPollingWidth = 92;
// The DPI rows' columns; the slider takes what is left.
constexpr int kStageColumn = 96;
constexpr int kEnableColumn = 36;
constexpr int kEditColumn = 76;
constexpr int kSwatchColumn = 40;
constexpr QSize kEditSize{kEditColumn, 28};
constexpr QSize kSwatchSize{kSwatchColumn, 22};
// The DPI sliders' range is the mouse's; this one stands until the page shows it.
constexpr int kPlaceholderSteps = 100;

constexpr const char* kOptionTexts[] = {"mouse_device_seting_option_0_text",
                                        "mouse_device_seting_option_1_text"};
// 0-3 read as the keyboard's; 4 is the 2000 Hz only the mouse offers.
constexpr const char* kPollingTexts[] = {
    "polling_rate_option_0_text", "polling_rate_option_1_text", "polling_rate_option_2_text",
    "polling_rate_option_3_text", "polling_rate_option_4_text"};
constexpr const char* kStageTexts[] = {"DPI_select_check_0_text", "DPI_select_check_1_text",
                                       "DPI_select_check_2_text", "DPI_select_check_3_text",
                                       "DPI_select_check_4_text"};
static_assert(std::size(kOptionTexts) == names::kOptionPageCount);
static_assert(std::size(kPollingTexts) == names::kPollingRates);
static_assert(std::size(kStageTexts) == names::kStageRows);

QString numbered(const char* prefix, int index) {
    return QLatin1String(prefix) + QString::number(index);
}

// A column title over the DPI rows; width 0 stretches.
void column_title(SettingsPageWriter& w, const char* name, const char* langkey, int width,
                  bool centred) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLabel"), QLatin1String(name));
    w.text(QLatin1String(langkey));
    if (width > 0) ui.fixed_size({width, 18});
    if (centred) ui.set_property(QStringLiteral("alignment"), QStringLiteral("Qt::AlignCenter"));
    ui.dynamic_number(QStringLiteral("fontid"), kCaptionFont);
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("caption"));
    ui.end_widget();
    ui.end_item();
}

void tip(UiWriter& ui, const char* tipkey) {
    ui.dynamic_string(QStringLiteral("tipkey"), QLatin1String(tipkey));
}

void stage_row(SettingsPageWriter& w, int stage) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QWidget"), numbered(names::kStageRowPrefix, stage));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), numbered("DPI_row_", stage), 0, 12);

    ui.begin_item();
    ui.begin_widget(QStringLiteral("QRadioButton"), numbered(names::kSelectPrefix, stage));
    w.text(QLatin1String(kStageTexts[stage]));
    ui.fixed_size({kStageColumn, 24});
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_string(QStringLiteral("group"), QLatin1String(names::kSelectGroup));
    ui.dynamic_number(QStringLiteral("fontid"), kControlFont);
    tip(ui, "DPI_select_check_tip");
    ui.end_widget();
    ui.end_item();

    ui.begin_item();
    ui.begin_widget(QStringLiteral("QCheckBox"), numbered(names::kEnablePrefix, stage));
    ui.fixed_size({kEnableColumn, 24});
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    tip(ui, "DPI_enable_check_tip");
    ui.end_widget();
    ui.end_item();

    w.slider({numbered(names::kSliderPrefix, stage), 0, kPlaceholderSteps, 4, {200, 24}});

    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLineEdit"), numbered(names::kEditPrefix, stage));
    ui.fixed_size(kEditSize);
    ui.set_property(QStringLiteral("alignment"), QStringLiteral("Qt::AlignCenter"));
    ui.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui.end_widget();
    ui.end_item();

    ui.begin_item();
    ui.begin_widget(QStringLiteral("QPushButton"), numbered(names::kColourPrefix, stage));
    ui.fixed_size(kSwatchSize);
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("swatch"));
    tip(ui, "DPI_color_option_tip");
    ui.end_widget();
    ui.end_item();

    ui.end_layout();
    ui.end_widget();
    ui.end_item();
}

void begin_option_page(UiWriter& ui, const char* name) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(name));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QLatin1String(name) + QStringLiteral("_layout"),
                    0, 6);
}

void end_option_page(SettingsPageWriter& w, const char* name) {
    w.stretch(Qt::Vertical, QLatin1String(name) + QStringLiteral("_stretch"));
    w.ui().end_layout();
    w.ui().end_widget();
}

void write_dpi_page(SettingsPageWriter& w) {
    constexpr const char* page = "mouse_seting_page_dpi";
    begin_option_page(w.ui(), page);
    w.caption(QStringLiteral("mouse_dpi_caption"), "mouse_dpi_caption_text");
    w.begin_card(QStringLiteral("mouse_dpi_card"), "QVBoxLayout", 8);
    w.begin_row(QStringLiteral("DPI_header_row"), 12);
    column_title(w, "DPI_header_stage", "mouse_dpi_stage_text", kStageColumn, false);
    column_title(w, "DPI_header_on", "mouse_dpi_on_text", kEnableColumn, false);
    column_title(w, "DPI_header_sensitivity", "mouse_dpi_sensitivity_text", 0, false);
    column_title(w, "DPI_header_value", "mouse_dpi_value_text", kEditColumn, true);
    column_title(w, "DPI_header_colour", "mouse_dpi_colour_text", kSwatchColumn, true);
    w.end_row();
    for (int stage = 0; stage < names::kStageRows; ++stage) stage_row(w, stage);
    w.end_card();
    w.notice(names::kNotice);
    w.label(QStringLiteral("mouse_dpi_hint"), "mouse_dpi_hint_text", kHintFont, "muted");
    end_option_page(w, page);
}

void write_polling_page(SettingsPageWriter& w) {
    constexpr const char* page = "mouse_seting_page_polling";
    begin_option_page(w.ui(), page);
    w.caption(QStringLiteral("mouse_polling_caption"), "system_polling_caption_text");
    w.begin_card(QStringLiteral("mouse_polling_card"), "QVBoxLayout", 10);
    w.begin_row(QStringLiteral("mouse_polling_row"), 8);
    w.steps(names::kPollingPrefix, names::kPollingGroup, kPollingTexts, kPollingWidth);
    w.stretch(Qt::Horizontal, QStringLiteral("mouse_polling_stretch"));
    w.end_row();
    w.label(QStringLiteral("mouse_polling_hint"), "mouse_polling_hint_text", kHintFont, "muted");
    w.end_card();
    end_option_page(w, page);
}

void write_option_bar(SettingsPageWriter& w) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(names::kOptionBar));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("mouse_option_row"), 0, 8);
    w.steps(names::kOptionPrefix, names::kOptionGroup, kOptionTexts, kOptionWidth);
    w.stretch(Qt::Horizontal, QStringLiteral("mouse_option_stretch"));
    ui.end_layout();
    ui.end_widget();
    ui.end_item();
}

}  // namespace

void write_mouse_settings_page(UiWriter& ui, const CaptionOf& caption) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(page_names::kDpiPage));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("mouse_settings_page_layout"),
                    20, 12);
    SettingsPageWriter w(ui, caption);
    write_option_bar(w);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QStackedWidget"), QLatin1String(names::kStack));
    write_dpi_page(w);
    write_polling_page(w);
    ui.end_widget();
    ui.end_item();
    ui.end_layout();
    ui.end_widget();
}

}  // namespace ilmo::skinart
