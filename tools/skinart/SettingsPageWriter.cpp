#include "SettingsPageWriter.h"

#include "UiWriter.h"

namespace ilmo::skinart {

namespace {

constexpr int kRowLabelWidth = 170;
constexpr int kSegmentHeight = 30;
constexpr int kCaptionHeight = 26;

}  // namespace

void SettingsPageWriter::label(const QString& name, const char* langkey, int font_id,
                               const char* role) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QLabel"), name);
    text(QLatin1String(langkey));
    ui_.dynamic_number(QStringLiteral("fontid"), font_id);
    ui_.dynamic_string(QStringLiteral("skinrole"), QLatin1String(role));
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::caption(const QString& name, const char* langkey) {
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

void SettingsPageWriter::begin_card(const QString& name, const char* layout_class, int spacing,
                                    int margin) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QFrame"), name);
    ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("card"));
    ui_.begin_layout(QLatin1String(layout_class), name + QStringLiteral("_layout"), margin,
                     spacing);
}

void SettingsPageWriter::end_card() {
    ui_.end_layout();
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::begin_row(const QString& name, int spacing) {
    ui_.begin_item();
    ui_.begin_layout(QStringLiteral("QHBoxLayout"), name, 0, spacing);
}

void SettingsPageWriter::end_row() {
    ui_.end_layout();
    ui_.end_item();
}

void SettingsPageWriter::row_label(const QString& name, const char* langkey) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QLabel"), name);
    if (langkey != nullptr) text(QLatin1String(langkey));
    ui_.size_property(QStringLiteral("minimumSize"), {kRowLabelWidth, 0});
    ui_.size_property(QStringLiteral("maximumSize"), {kRowLabelWidth, 16777215});
    ui_.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::steps(const char* prefix, const char* group,
                               std::span<const char* const> texts, int segment_width) {
    for (size_t step = 0; step < texts.size(); ++step) {
        ui_.begin_item();
        ui_.begin_widget(QStringLiteral("QPushButton"),
                         QLatin1String(prefix) + QString::number(step));
        text(QLatin1String(texts[step]));
        ui_.fixed_size({segment_width, kSegmentHeight});
        ui_.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
        ui_.bool_property(QStringLiteral("checkable"), true);
        ui_.dynamic_string(QStringLiteral("group"), QLatin1String(group));
        ui_.dynamic_number(QStringLiteral("fontid"), kHintFont);
        ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("segment"));
        ui_.end_widget();
        ui_.end_item();
    }
}

void SettingsPageWriter::check_box(const char* name) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QCheckBox"), QLatin1String(name));
    text(QLatin1String(name) + QStringLiteral("_text"));
    ui_.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::chip(const QString& name, const char* group, QSize size,
                              const QString& langkey) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QPushButton"), name);
    text(langkey.isEmpty() ? name + QStringLiteral("_text") : langkey);
    ui_.fixed_size(size);
    ui_.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui_.bool_property(QStringLiteral("checkable"), true);
    ui_.dynamic_string(QStringLiteral("group"), QLatin1String(group));
    ui_.dynamic_number(QStringLiteral("fontid"), kCaptionFont);
    ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("chip"));
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::slider(const SliderSpec& spec) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QSlider"), spec.name);
    ui_.enum_property(QStringLiteral("orientation"), spec.orientation == Qt::Horizontal
                                                         ? QStringLiteral("Qt::Horizontal")
                                                         : QStringLiteral("Qt::Vertical"));
    ui_.number_property(QStringLiteral("minimum"), spec.minimum);
    ui_.number_property(QStringLiteral("maximum"), spec.maximum);
    ui_.number_property(QStringLiteral("pageStep"), spec.page_step);
    if (spec.inverted) ui_.bool_property(QStringLiteral("invertedAppearance"), true);
    ui_.size_property(QStringLiteral("minimumSize"), spec.minimum_size);
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::hidden_label(const char* name) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QLabel"), QLatin1String(name));
    ui_.bool_property(QStringLiteral("visible"), false);
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::notice(const char* name) {
    ui_.begin_item();
    ui_.begin_widget(QStringLiteral("QLabel"), QLatin1String(name));
    ui_.bool_property(QStringLiteral("visible"), false);
    ui_.bool_property(QStringLiteral("wordWrap"), true);
    ui_.dynamic_number(QStringLiteral("fontid"), kHintFont);
    ui_.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("notice"));
    ui_.end_widget();
    ui_.end_item();
}

void SettingsPageWriter::stretch(Qt::Orientation orientation, const QString& name) {
    ui_.spacer(orientation, name);
}

void SettingsPageWriter::text(const QString& langkey) {
    ui_.string_property(QStringLiteral("text"), caption_(langkey));
    ui_.dynamic_string(QStringLiteral("langkey"), langkey);
}

}  // namespace ilmo::skinart
