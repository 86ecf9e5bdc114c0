#include "shell/CColorSelectWnd.h"

#include <QAbstractButton>
#include <QColor>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/Density.h"
#include "shell/SkinResources.h"
#include "shell/names/PalletDialogNames.h"
#include "shell/ui/CColorPaletteUI.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace pallet_names = names::pallet_dialog;

namespace {

// The swatch index 0-19 in a name made of `prefix` and a number, or -1.
int swatch_index(const QString& name, const char* prefix) {
    const QLatin1String start(prefix);
    if (!name.startsWith(start)) return -1;
    bool number = false;
    const int index = name.mid(start.size()).toInt(&number);
    return number && index >= 0 && index < static_cast<int>(profiles::kColorPresetCount) ? index : -1;
}

// The style sheet's swatch rules pick the border from these properties; the colour is the
// swatch's own.
void show_swatch(QAbstractButton* swatch, QRgb color, bool selected, bool holds_color) {
    if (swatch == nullptr) return;
    swatch->setProperty("selected", selected);
    swatch->setProperty("userdata", holds_color ? QStringLiteral("1") : QString());
    swatch->setStyleSheet(QStringLiteral("QAbstractButton { background-color: %1; }")
                              .arg(QColor::fromRgb(color).name()));
}

template <size_t N>
void find_swatches(QWidget* root, const char* prefix, std::array<QAbstractButton*, N>& swatches) {
    for (size_t i = 0; i < N; ++i)
        swatches[i] = ui::find_control<QAbstractButton>(
            root, QLatin1String(prefix) + QString::number(static_cast<int>(i)));
}

}  // namespace

CColorSelectWnd::CColorSelectWnd(QWidget* parent, SkinResources& skin,
                                 const std::filesystem::path& user_data_folder, QRgb initial,
                                 const device::TraceSink& trace)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint),
      skin_(skin),
      selection_(user_data_folder, initial | 0xFF000000u, trace) {
    setObjectName(QLatin1String(pallet_names::kWindowClass));
    setWindowTitle(QLatin1String(pallet_names::kWindowClass));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(pallet_names::kUiFile), this, this);
    if (content_ != nullptr) layout->addWidget(content_);
    resize(pallet_names::kWidth, pallet_names::kHeight);
    find_controls();
    show_swatches();
    show_current(true);
}

CColorSelectWnd::Choice CColorSelectWnd::choose(QWidget* parent, SkinResources& skin,
                                                const std::filesystem::path& user_data_folder,
                                                const Options& options,
                                                const device::TraceSink& trace) {
    checked_density(options.density, "SET_WND DPI SET ERROR", trace);
    CColorSelectWnd window(parent, skin, user_data_folder, options.initial, trace);
    // Without its layout the dialog would have no button to leave it by.
    if (!window.has_layout()) return {};
    window.offer_seven_color(options.offer_seven_color);
    const QRect area = parent != nullptr ? parent->window()->frameGeometry()
                       : window.screen() != nullptr ? window.screen()->availableGeometry()
                                                    : QRect();
    if (area.isValid()) window.move(area.center() - window.rect().center());
    window.exec();
    return window.choice();
}

void CColorSelectWnd::find_controls() {
    if (content_ == nullptr) return;
    palette_ = ui::find_control<ui::CColorPaletteUI>(content_, QString::fromLatin1(pallet_names::kPallet));
    preview_ = ui::find_control<QAbstractButton>(content_, QString::fromLatin1(pallet_names::kPreviewBtn));
    for (size_t c = 0; c < edits_.size(); ++c)
        edits_[c] = ui::find_control<QLineEdit>(content_, QString::fromLatin1(pallet_names::kEdits[c]));
    seven_color_ = ui::find_control<QAbstractButton>(content_, QString::fromLatin1(pallet_names::kSevenColor));
    find_swatches(content_, pallet_names::kPresetPrefix, presets_);
    find_swatches(content_, pallet_names::kCollectedPrefix, collected_);
}

void CColorSelectWnd::offer_seven_color(bool offered) {
    if (!offered) clear_seven_color();
    if (seven_color_ != nullptr) seven_color_->setEnabled(offered);
    for (const char* name : {pallet_names::kSevenColorLayout, pallet_names::kSevenColorCollect})
        if (auto* control = ui::find_control<QWidget>(content_, QString::fromLatin1(name)))
            control->setVisible(offered);
    show_preview();
}

void CColorSelectWnd::show_swatches() {
    const profiles::ColorOptions& options = selection_.options();
    for (size_t i = 0; i < presets_.size(); ++i)
        show_swatch(presets_[i], options.presets[i], static_cast<int>(i) == options.selected_preset,
                    true);
    for (size_t i = 0; i < collected_.size(); ++i) {
        const profiles::CollectedSwatch& swatch = options.collected[i];
        show_swatch(collected_[i], swatch.color, static_cast<int>(i) == options.selected_collected,
                    swatch.holds_color);
    }
}

void CColorSelectWnd::show_current(bool on_palette, const QLineEdit* typing) {
    const QRgb color = selection_.current();
    if (on_palette && palette_ != nullptr) palette_->set_select_color(color);
    const int components[] = {qRed(color), qGreen(color), qBlue(color)};
    for (size_t c = 0; c < edits_.size(); ++c)
        if (edits_[c] != nullptr && edits_[c] != typing) edits_[c]->setText(QString::number(components[c]));
    show_preview();
}

void CColorSelectWnd::show_preview() {
    if (preview_ == nullptr) return;
    // Seven colours have no one colour to show: the preview shows them all.
    preview_->setStyleSheet(
        seven_color_selected()
            ? QStringLiteral("QAbstractButton { border-image: url(skin:%1); }")
                  .arg(QLatin1String(pallet_names::kSevenColorImage))
            : QStringLiteral("QAbstractButton { background-color: %1; }")
                  .arg(QColor::fromRgb(selection_.current()).name()));
}

bool CColorSelectWnd::seven_color_selected() const {
    return seven_color_ != nullptr && seven_color_->isChecked();
}

void CColorSelectWnd::clear_seven_color() {
    if (seven_color_ != nullptr) seven_color_->setChecked(false);
}

void CColorSelectWnd::finish(Outcome outcome) {
    choice_ = {outcome, outcome == kChosen ? selection_.current() : QRgb{0},
               outcome == kChosen && seven_color_selected()};
    done(outcome);
}

void CColorSelectWnd::on_click(const QString& sender) {
    if (sender == QLatin1String(pallet_names::kOkBtn)) {
        finish(palette_ != nullptr ? kChosen : kNoPalette);
    } else if (sender == QLatin1String(pallet_names::kCloseBtn)) {
        finish(kClosed);
    } else if (sender == QLatin1String(pallet_names::kMinBtn)) {
        showMinimized();
    } else if (sender == QLatin1String(pallet_names::kMaxBtn) ||
               sender == QLatin1String(pallet_names::kRestoreBtn)) {
        const bool maximise = sender == QLatin1String(pallet_names::kMaxBtn);
        maximise ? showMaximized() : showNormal();
        for (const auto& [name, shown] : {std::pair{pallet_names::kMaxBtn, !maximise},
                                          std::pair{pallet_names::kRestoreBtn, maximise}})
            if (auto* button = ui::find_control<QAbstractButton>(content_, QString::fromLatin1(name)))
                button->setVisible(shown);
    } else if (const int preset = swatch_index(sender, pallet_names::kPresetPrefix); preset >= 0) {
        if (!selection_.choose_preset(preset)) return;
        show_swatches();
        show_current(true);
    } else if (const int swatch = swatch_index(sender, pallet_names::kCollectedPrefix); swatch >= 0) {
        if (!selection_.choose_collected(swatch)) return;
        clear_seven_color();
        show_swatches();
        show_current(true);
    }
}

void CColorSelectWnd::notify(const ui::Notification& n) {
    if (n.type == QLatin1String("click")) {
        on_click(n.sender);
    } else if (n.type == QLatin1String("colorchanged") &&
               n.sender == QLatin1String(pallet_names::kPallet)) {
        selection_.take_palette_color(n.value.toUInt());
        show_swatches();
        show_current(false);
    } else if (n.type == QLatin1String("textchanged")) {
        const auto typed = std::find(edits_.begin(), edits_.end(), n.control);
        if (typed == edits_.end() || n.control == nullptr) return;
        std::array<QString, 3> texts;
        for (size_t c = 0; c < edits_.size(); ++c)
            if (edits_[c] != nullptr) texts[c] = edits_[c]->text();
        selection_.set_current(color_from_components(selection_.current(), texts));
        show_current(true, *typed);
    } else if (n.type == QLatin1String("selectchanged") &&
               n.sender == QLatin1String(pallet_names::kSevenColor)) {
        show_preview();
    }
}

}  // namespace ilmo::shell
