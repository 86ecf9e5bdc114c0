#include "shell/MusicWnd.h"

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "profiles/AudioStyleDocument.h"
#include "shell/Density.h"
#include "shell/SkinResources.h"
#include "shell/names/MusicWndNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace music_names = names::music_wnd;

namespace {

constexpr std::string_view kMissingControlTrace = "GetAudioLightInfo control is NULL";

// The index of `name` in `names`, or -1.
template <size_t N>
int index_of(const QString& name, const char* const (&names)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i])) return static_cast<int>(i);
    return -1;
}

int component_of(const profiles::StyleColor& color, int component) {
    const int components[] = {color.red, color.green, color.blue};
    return components[component];
}

// A component of 0-9 on the screen's 0-255.
int screen_level(int component) {
    return component * 255 / profiles::kStyleComponentMax;
}

}  // namespace

MusicWnd::MusicWnd(QWidget* parent, SkinResources& skin, const profiles::AudioStyleRecord& record,
                   const device::TraceSink& trace)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint),
      skin_(skin),
      trace_(trace),
      editor_(record) {
    setObjectName("MusicWnd");
    setWindowTitle("MusicWnd");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(music_names::kUiFile), this, this);
    if (content_ != nullptr) layout->addWidget(content_);
    resize(kWidth, kHeight);
    find_controls();
    show_names();
    show_selected_style();
}

MusicWnd::Outcome MusicWnd::edit_styles(QWidget* parent, SkinResources& skin,
                                        profiles::AudioStyleDocument& styles, int density,
                                        const device::TraceSink& trace) {
    checked_density(density, "SET_WND DPI SET ERROR", trace);
    MusicWnd window(parent, skin, styles.record(), trace);
    // Without its layout the window would have no button to leave it by.
    if (!window.has_layout()) return Outcome::Cancelled;
    if (parent != nullptr) window.move(parent->frameGeometry().center() - window.rect().center());
    if (window.exec() != QDialog::Accepted) return Outcome::Cancelled;
    return styles.store(window.record()) ? Outcome::Saved : Outcome::SaveFailed;
}

void MusicWnd::find_controls() {
    bool missing = content_ == nullptr;
    if (content_ != nullptr) {
        const auto find = [&]<class T>(T*& control, const char* name) {
            control = ui::find_control<T>(content_, QString::fromLatin1(name));
        };
        for (size_t i = 0; i < tabs_.size(); ++i) {
            find(tabs_[i], music_names::kStyleTabs[i]);
            find(name_edits_[i], music_names::kNameEdits[i]);
            missing = missing || tabs_[i] == nullptr;
        }
        for (size_t c = 0; c < sliders_.size(); ++c) {
            find(sliders_[c], music_names::kSliders[c]);
            find(values_[c], music_names::kSliderValues[c]);
            missing = missing || sliders_[c] == nullptr;
        }
        find(swatch_, music_names::kSwatch);
    }
    if (missing && trace_) trace_(kMissingControlTrace);
}

QString MusicWnd::shown_name(int style) const {
    // The shipped styles are named by language keys, shown in the current language; a name
    // the user typed is shown as it is.
    const QString name =
        QString::fromStdString(editor_.record().names[static_cast<size_t>(style)]);
    return skin_.texts().contains(name) ? skin_.text(name) : name;
}

void MusicWnd::show_names() {
    for (int style = 0; style < profiles::kAudioStyleCount; ++style)
        if (QLineEdit* edit = name_edits_[static_cast<size_t>(style)])
            edit->setText(shown_name(style));
}

void MusicWnd::show_selected_style() {
    if (QAbstractButton* tab = tabs_[static_cast<size_t>(editor_.selected())]) {
        const QSignalBlocker quiet(tab);
        tab->setChecked(true);
    }
    const profiles::StyleColor& color = editor_.selected_color();
    for (int c = 0; c < static_cast<int>(sliders_.size()); ++c)
        show_component(c, component_of(color, c));
}

void MusicWnd::show_component(int component, int value) {
    if (QSlider* slider = sliders_[static_cast<size_t>(component)]) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
    if (QLabel* label = values_[static_cast<size_t>(component)]) label->setNum(value);
    if (swatch_ != nullptr) {
        const profiles::StyleColor& color = editor_.selected_color();
        const QColor shown(screen_level(color.red), screen_level(color.green),
                           screen_level(color.blue));
        swatch_->setStyleSheet(QStringLiteral("background-color: %1;").arg(shown.name()));
    }
}

void MusicWnd::finish_name(int style) {
    editor_.finish_name(style);
    QLineEdit* edit = name_edits_[static_cast<size_t>(style)];
    if (edit != nullptr && edit->text().isEmpty()) edit->setText(shown_name(style));
}

void MusicWnd::select_style(int style) {
    editor_.select(style);
    show_selected_style();
}

void MusicWnd::notify(const ui::Notification& n) {
    if (n.type == QLatin1String("click")) {
        if (n.sender == QLatin1String(music_names::kOkBtn)) {
            for (int style = 0; style < profiles::kAudioStyleCount; ++style) finish_name(style);
            accept();
        } else if (n.sender == QLatin1String(music_names::kCloseBtn)) {
            reject();
        } else if (const int style = index_of(n.sender, music_names::kStyleTabs); style >= 0) {
            select_style(style);  // a skin may draw the tabs as plain buttons
        }
    } else if (n.type == QLatin1String("selectchanged") && n.wparam == 1) {
        if (const int style = index_of(n.sender, music_names::kStyleTabs); style >= 0)
            select_style(style);
    } else if (n.type == QLatin1String("valuechanged")) {
        if (const int c = index_of(n.sender, music_names::kSliders); c >= 0) {
            editor_.set_component(static_cast<MusicStyleEditor::Component>(c), n.wparam);
            show_component(c, component_of(editor_.selected_color(), c));
        }
    } else if (n.type == QLatin1String("textchanged")) {
        if (const int style = index_of(n.sender, music_names::kNameEdits); style >= 0)
            editor_.set_name(style, n.value.toString().toStdString());
    } else if (n.type == QLatin1String("killfocus")) {
        if (const int style = index_of(n.sender, music_names::kNameEdits); style >= 0)
            finish_name(style);
    }
}

}  // namespace ilmo::shell
