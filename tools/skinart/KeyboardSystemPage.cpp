#include "KeyboardSystemPage.h"

#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/KeyboardSystemNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace names = ilmo::shell::names::keyboard_system;

// Font ids of the skin's font table: 14 px for controls, 12 px for hints, 11 px for captions.
constexpr int kControlFont = 7;
constexpr int kHintFont = 8;
constexpr int kCaptionFont = 9;
constexpr int kRowLabelWidth = 170;
constexpr int kSegmentWidth = 92;
constexpr int kSegmentHeight = 30;
constexpr int kCaptionHeight = 26;

// Each step's wording, by language key; the page only shows them.
constexpr const char* kRepeatDelayTexts[] = {
    "repeat_delay_check_0_text", "repeat_delay_check_1_text", "repeat_delay_check_2_text",
    "repeat_delay_check_3_text"};
// We read the polling rate steps 0-3 as 125, 250, 500 and 1000 reports a second: the usual
// USB rates, and the default profile's step 3 is then the 1000 Hz gaming keyboards ship with.
constexpr const char* kPollingRateTexts[] = {
    "polling_rate_option_0_text", "polling_rate_option_1_text", "polling_rate_option_2_text",
    "polling_rate_option_3_text"};

class SystemPageWriter {
public:
    SystemPageWriter(UiWriter& ui, const CaptionOf& caption) : ui_(ui), caption_(caption) {}

    void label(const QString& name, const char* langkey, int font_id, const char* role) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QLabel"), name);
        text(QLatin1String(langkey));
        ui_.dynamic_number(QStringLiteral("fontid"), font_id);
        ui_.dynamic_string(QStringLiteral("skinrole"), QLatin1String(role));
        ui_.end_widget();
        ui_.end_item();
    }

    // A section's title sits on the card below it, further from the card above.
    void caption(const QString& name, const char* langkey) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QLabel"), name);
        text(QLatin1String(langkey));
        ui_.size_property(QStringLiteral("minimumSize"), {0, kCaptionHeight});
        ui_.set_property(QStringLiteral("alignment"),
                         QStringLiteral("Qt::AlignLeading|Qt::AlignBottom"));
        ui_.dynamic_number(QStringLiteral("fontid"), kCaptionFont);
        ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("caption"));
        ui_.end_widget();
        ui_.end_item();
    }

    void begin_card(const QString& name, const char* layout_class, int spacing) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QFrame"), name);
        ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("card"));
        ui_.begin_layout(QLatin1String(layout_class), name + QStringLiteral("_layout"), 16,
                         spacing);
    }
    void end_card() {
        ui_.end_layout();
        ui_.end_widget();
        ui_.end_item();
    }

    void begin_row(const QString& name, int spacing) {
        ui_.begin_item();
        ui_.begin_layout(QStringLiteral("QHBoxLayout"), name, 0, spacing);
    }
    void end_row() {
        ui_.end_layout();
        ui_.end_item();
    }

    // A row's title in a column of its own, so the rows' controls line up.
    void row_label(const QString& name, const char* langkey) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QLabel"), name);
        if (langkey != nullptr) text(QLatin1String(langkey));
        ui_.size_property(QStringLiteral("minimumSize"), {kRowLabelWidth, 0});
        ui_.size_property(QStringLiteral("maximumSize"), {kRowLabelWidth, 16777215});
        ui_.dynamic_number(QStringLiteral("fontid"), kControlFont);
        ui_.end_widget();
        ui_.end_item();
    }

    // Steps 0-3 of a family as a strip of segment buttons, one exclusive group.
    void steps(const char* prefix, const char* group,
               const char* const (&texts)[names::kStepCount]) {
        for (int step = 0; step < names::kStepCount; ++step) {
            ui_.begin_item();
            ui_.begin_widget(QStringLiteral("QPushButton"),
                             QLatin1String(prefix) + QString::number(step));
            text(QLatin1String(texts[step]));
            ui_.fixed_size({kSegmentWidth, kSegmentHeight});
            ui_.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
            ui_.bool_property(QStringLiteral("checkable"), true);
            ui_.dynamic_string(QStringLiteral("group"), QLatin1String(group));
            ui_.dynamic_number(QStringLiteral("fontid"), kHintFont);
            ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("segment"));
            ui_.end_widget();
            ui_.end_item();
        }
    }

    void check_box(const char* name) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QCheckBox"), QLatin1String(name));
        text(QLatin1String(name) + QStringLiteral("_text"));
        ui_.dynamic_number(QStringLiteral("fontid"), kControlFont);
        ui_.end_widget();
        ui_.end_item();
    }

    void slider() {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QSlider"), QLatin1String(names::kRepeatRateSlider));
        ui_.enum_property(QStringLiteral("orientation"), QStringLiteral("Qt::Horizontal"));
        ui_.number_property(QStringLiteral("minimum"), 0);
        ui_.number_property(QStringLiteral("maximum"), names::kRepeatRateMax);
        ui_.number_property(QStringLiteral("pageStep"), 4);
        ui_.size_property(QStringLiteral("minimumSize"), {300, 24});
        ui_.end_widget();
        ui_.end_item();
    }

    void test_field() {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QLineEdit"), QLatin1String(names::kRepeatInput));
        // The hint is the field's placeholder, which the language texts fill in.
        ui_.dynamic_string(QStringLiteral("langkey"), QLatin1String(names::kRepeatInputText));
        ui_.string_property(QStringLiteral("placeholderText"),
                            caption_(QLatin1String(names::kRepeatInputText)));
        ui_.size_property(QStringLiteral("minimumSize"), {0, 34});
        ui_.dynamic_number(QStringLiteral("fontid"), kControlFont);
        ui_.end_widget();
        ui_.end_item();
    }

    void hidden_label(const char* name) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QLabel"), QLatin1String(name));
        ui_.bool_property(QStringLiteral("visible"), false);
        ui_.end_widget();
        ui_.end_item();
    }

    void stretch(Qt::Orientation orientation, const QString& name) {
        ui_.spacer(orientation, name);
    }

private:
    void text(const QString& langkey) {
        ui_.string_property(QStringLiteral("text"), caption_(langkey));
        ui_.dynamic_string(QStringLiteral("langkey"), langkey);
    }

    UiWriter& ui_;
    const CaptionOf& caption_;
};

void write_repeat_card(SystemPageWriter& w) {
    w.begin_card(QStringLiteral("system_repeat_card"), "QVBoxLayout", 14);
    w.begin_row(QStringLiteral("repeat_rate_row"), 12);
    w.row_label(QStringLiteral("repeat_rate_label"), "repeat_rate_text");
    w.label(QStringLiteral("repeat_rate_slow"), "repeat_rate_slow_text", kHintFont, "muted");
    w.slider();
    w.label(QStringLiteral("repeat_rate_fast"), "repeat_rate_fast_text", kHintFont, "muted");
    w.end_row();
    w.begin_row(QStringLiteral("repeat_delay_row"), 8);
    // The page writes the chosen delay into it.
    w.row_label(QLatin1String(names::kRepeatDelayLabel), nullptr);
    w.steps(names::kRepeatDelayPrefix, names::kRepeatDelayGroup, kRepeatDelayTexts);
    w.stretch(Qt::Horizontal, QStringLiteral("repeat_delay_stretch"));
    w.end_row();
    w.test_field();
    w.end_card();
}

void write_flags_card(SystemPageWriter& w) {
    w.begin_card(QStringLiteral("system_keys_card"), "QHBoxLayout", 32);
    w.check_box(names::kSixKeyOption);
    w.check_box(names::kWKeyOption);
    w.check_box(names::kWinLockOption);
    w.stretch(Qt::Horizontal, QStringLiteral("system_keys_stretch"));
    w.end_card();
}

void write_polling_card(SystemPageWriter& w) {
    w.begin_card(QStringLiteral("system_polling_card"), "QVBoxLayout", 10);
    w.begin_row(QStringLiteral("polling_rate_row"), 8);
    w.steps(names::kPollingRatePrefix, names::kPollingRateGroup, kPollingRateTexts);
    w.stretch(Qt::Horizontal, QStringLiteral("polling_rate_stretch"));
    w.end_row();
    w.label(QStringLiteral("polling_rate_hint"), "system_polling_hint_text", kHintFont, "muted");
    w.end_card();
}

}  // namespace

void write_keyboard_system_page(UiWriter& ui, const CaptionOf& caption) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(page_names::kSystemPage));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("system_page_layout"), 20, 6);
    SystemPageWriter w(ui, caption);
    w.caption(QStringLiteral("system_repeat_caption"), "system_repeat_caption_text");
    write_repeat_card(w);
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
