#include "KeyboardSystemPage.h"

#include <iterator>

#include "SettingsPageWriter.h"
#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/KeyboardSystemNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace names = ilmo::shell::names::keyboard_system;

constexpr int kSegmentWidth = 92;

// Each step's wording, by language key; the page only shows them.
constexpr const char* kRepeatDelayTexts[] = {
    "repeat_delay_check_0_text", "repeat_delay_check_1_text", "repeat_delay_check_2_text",
    "repeat_delay_check_3_text"};
// We read the polling rate steps 0-3 as 125, 250, 500 and 1000 reports a second: the usual
// USB rates, and the default profile's step 3 is then the 1000 Hz gaming keyboards ship with.
constexpr const char* kPollingRateTexts[] = {
    "polling_rate_option_0_text", "polling_rate_option_1_text", "polling_rate_option_2_text",
    "polling_rate_option_3_text"};
static_assert(std::size(kRepeatDelayTexts) == names::kStepCount);
static_assert(std::size(kPollingRateTexts) == names::kStepCount);

void test_field(SettingsPageWriter& w, const CaptionOf& caption) {
    UiWriter& ui = w.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLineEdit"), QLatin1String(names::kRepeatInput));
    // The hint is the field's placeholder, which the language texts fill in.
    ui.dynamic_string(QStringLiteral("langkey"), QLatin1String(names::kRepeatInputText));
    ui.string_property(QStringLiteral("placeholderText"),
                       caption(QLatin1String(names::kRepeatInputText)));
    ui.size_property(QStringLiteral("minimumSize"), {0, 34});
    ui.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui.end_widget();
    ui.end_item();
}

void write_repeat_card(SettingsPageWriter& w, const CaptionOf& caption) {
    w.begin_card(QStringLiteral("system_repeat_card"), "QVBoxLayout", 14);
    w.begin_row(QStringLiteral("repeat_rate_row"), 12);
    w.row_label(QStringLiteral("repeat_rate_label"), "repeat_rate_text");
    w.label(QStringLiteral("repeat_rate_slow"), "repeat_rate_slow_text", kHintFont, "muted");
    w.slider({QLatin1String(names::kRepeatRateSlider), 0, names::kRepeatRateMax, 4, {300, 24}});
    w.label(QStringLiteral("repeat_rate_fast"), "repeat_rate_fast_text", kHintFont, "muted");
    w.end_row();
    w.begin_row(QStringLiteral("repeat_delay_row"), 8);
    // The page writes the chosen delay into it.
    w.row_label(QLatin1String(names::kRepeatDelayLabel), nullptr);
    w.steps(names::kRepeatDelayPrefix, names::kRepeatDelayGroup, kRepeatDelayTexts, kSegmentWidth);
    w.stretch(Qt::Horizontal, QStringLiteral("repeat_delay_stretch"));
    w.end_row();
    test_field(w, caption);
    w.end_card();
}

void write_flags_card(SettingsPageWriter& w) {
    w.begin_card(QStringLiteral("system_keys_card"), "QHBoxLayout", 32);
    w.check_box(names::kSixKeyOption);
    w.check_box(names::kWKeyOption);
    w.check_box(names::kWinLockOption);
    w.stretch(Qt::Horizontal, QStringLiteral("system_keys_stretch"));
    w.end_card();
}

void write_polling_card(SettingsPageWriter& w) {
    w.begin_card(QStringLiteral("system_polling_card"), "QVBoxLayout", 10);
    w.begin_row(QStringLiteral("polling_rate_row"), 8);
    w.steps(names::kPollingRatePrefix, names::kPollingRateGroup, kPollingRateTexts, kSegmentWidth);
    w.stretch(Qt::Horizontal, QStringLiteral("polling_rate_stretch"));
    w.end_row();
    w.label(QStringLiteral("polling_rate_hint"), "system_polling_hint_text", kHintFont, "muted");
    w.end_card();
}

}  // namespace

void write_keyboard_system_page(UiWriter& ui, const CaptionOf& caption) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(page_names::kSystemPage));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("system_page_layout"), 20, 6);
    SettingsPageWriter w(ui, caption);
    w.caption(QStringLiteral("system_repeat_caption"), "system_repeat_caption_text");
    write_repeat_card(w, caption);
    w.caption(QStringLiteral("system_keys_caption"), "system_keys_caption_text");
    write_flags_card(w);
    w.caption(QStringLiteral("system_polling_caption"), "system_polling_caption_text");
    write_polling_card(w);
    w.hidden_label(names::kTextTest);
    w.stretch(Qt::Vertical, QStringLiteral("system_page_stretch"));
    ui.end_layout();
    ui.end_widget();
}

}  // namespace ilmo::skinart
