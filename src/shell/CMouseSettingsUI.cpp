#include "shell/CMouseSettingsUI.h"

#include <QAbstractButton>
#include <QColor>
#include <QFile>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <algorithm>

#include "mouse/MouseView.h"
#include "shell/PanelControls.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace settings_names = names::mouse_settings;

using panel::chosen;
using panel::find;
using panel::find_family;
using panel::index_in;
using panel::set_checked;
using panel::set_enabled;
using panel::set_slider;

namespace {

// The current stage's thumb stands out from the others': the skin's thumb images where it has
// them, and the style sheet's look for the "stage" property either way.
void show_thumb(QSlider& slider, std::string_view thumb, bool current) {
    const QString image =
        QStringLiteral("skin:") + QLatin1String(thumb.data(), static_cast<qsizetype>(thumb.size()));
    slider.setStyleSheet(
        QFile::exists(image)
            ? QStringLiteral("QSlider::handle:horizontal { image: url(%1); width: 16px; "
                             "height: 16px; margin: -6px 0px; border: none; "
                             "background: transparent; }")
                  .arg(image)
            : QString());
    const QString stage = current ? QStringLiteral("current") : QStringLiteral("other");
    if (slider.property("stage").toString() == stage) return;
    slider.setProperty("stage", stage);
    slider.style()->unpolish(&slider);
    slider.style()->polish(&slider);
}

void show_swatch(QAbstractButton* swatch, bool present, uint32_t colour) {
    if (swatch == nullptr) return;
    // A stage the profile lacks has no colour to show.
    swatch->setStyleSheet(present ? QStringLiteral("QAbstractButton { background-color: %1; }")
                                        .arg(QColor::fromRgb(colour).name())
                                  : QString());
}

}  // namespace

CMouseSettingsUI::CMouseSettingsUI(QWidget* page, ui::Translate translate)
    : translate_(std::move(translate)),
      polling_(find_family<QAbstractButton, settings_names::kPollingRates>(
          page, settings_names::kPollingPrefix)),
      options_(find_family<QAbstractButton, settings_names::kOptionPageCount>(
          page, settings_names::kOptionPrefix)),
      stack_(find<QStackedWidget>(page, settings_names::kStack)),
      notice_(find<QLabel>(page, settings_names::kNotice)),
      pointer_speed_(find<QSlider>(page, settings_names::kPointerSpeedSlider)),
      pointer_precision_(find<QAbstractButton>(page, settings_names::kPointerPrecisionCheck)),
      scrolls_page_(find<QAbstractButton>(page, settings_names::kScrollsPageCheck)),
      scroll_speed_(find<QSlider>(page, settings_names::kScrollSpeedSlider)),
      double_click_(find<QSlider>(page, settings_names::kDoubleClickSlider)) {
    for (int i = 0; i < kRows; ++i) {
        StageRow& row = rows_[static_cast<size_t>(i)];
        row.select = find<QAbstractButton>(page, settings_names::kSelectPrefix, i);
        row.enable = find<QAbstractButton>(page, settings_names::kEnablePrefix, i);
        row.slider = find<QSlider>(page, settings_names::kSliderPrefix, i);
        row.edit = find<QLineEdit>(page, settings_names::kEditPrefix, i);
        row.colour = find<QAbstractButton>(page, settings_names::kColourPrefix, i);
        if (row.edit != nullptr) {
            row.dpi_range = new QIntValidator(row.edit);
            row.edit->setValidator(row.dpi_range);
        }
    }
    // Steps and settings change when a slider is let go, not at every step of a drag: the
    // value only moves (and "valuechanged" comes) then.
    for (QSlider* slider : {pointer_speed_, scroll_speed_, double_click_})
        if (slider != nullptr) slider->setTracking(false);
    for (const StageRow& row : rows_)
        if (row.slider != nullptr) row.slider->setTracking(false);
    select_option_page(0);
    show_notice();
}

void CMouseSettingsUI::show(const mouse::MousePageState& state) {
    for (int i = 0; i < kRows; ++i)
        show_stage(i, state.stages[static_cast<size_t>(i)], i == state.current_stage,
                   state.slider_max, state.edit_min, state.edit_max);
    const bool known_rate =
        state.polling_rate >= 0 && state.polling_rate < settings_names::kPollingRates;
    set_checked(polling_[static_cast<size_t>(known_rate ? state.polling_rate : 0)], true);
    show_pointer(state.pointer);
    writes_blocked_ = state.writes_blocked;
    show_notice();
}

void CMouseSettingsUI::show_stage(int index, const mouse::StageView& view, bool current,
                                  int slider_max, int edit_min, int edit_max) {
    StageRow& row = rows_[static_cast<size_t>(index)];
    // A stage that is off keeps its values but cannot be changed or chosen until it is on
    // again; its own check stays usable. A row past the list stays usable so that moving its
    // slider can add the stage.
    const bool usable = !view.present || view.enabled;
    set_checked(row.select, view.selected);
    set_enabled(row.select, view.present && view.enabled);
    set_checked(row.enable, view.enabled);
    // The current stage can never be switched off.
    set_enabled(row.enable, view.enable_check_usable && !current);
    set_slider(row.slider, 0, std::max(0, slider_max), view.slider_step);
    if (row.slider != nullptr) {
        row.slider->setEnabled(usable);
        show_thumb(*row.slider, view.thumb, current);
    }
    if (row.dpi_range != nullptr) row.dpi_range->setRange(edit_min, edit_max);
    row.shown_dpi = QString::fromStdString(view.dpi_text);
    if (row.edit != nullptr) {
        row.edit->setText(row.shown_dpi);
        row.edit->setEnabled(usable);
    }
    show_swatch(row.colour, view.present, view.colour);
    set_enabled(row.colour, view.present && view.enabled);
}

void CMouseSettingsUI::show_pointer(const mouse::PointerSettings& pointer) {
    shown_pointer_ = pointer;
    set_slider(pointer_speed_, pointer.pointer_speed);
    set_slider(scroll_speed_, pointer.wheel_lines);
    set_slider(double_click_, pointer.double_click_ms);
    set_checked(pointer_precision_, pointer.pointer_precision);
    set_checked(scrolls_page_, pointer.scroll_by_page);
}

void CMouseSettingsUI::show_notice() {
    if (notice_ == nullptr) return;
    notice_->setText(writes_blocked_ ? translate_(QString::fromLatin1(settings_names::kOutOfReachText))
                                     : QString());
    notice_->setVisible(!notice_->text().isEmpty());
}

void CMouseSettingsUI::retranslate() { show_notice(); }

void CMouseSettingsUI::select_option_page(int page) {
    if (page < 0 || page >= settings_names::kOptionPageCount) page = 0;
    option_page_ = page;
    if (stack_ != nullptr && page < stack_->count()) stack_->setCurrentIndex(page);
    for (size_t i = 0; i < options_.size(); ++i) set_checked(options_[i], static_cast<int>(i) == page);
}

bool CMouseSettingsUI::handle_notification(const ui::Notification& n) {
    if (n.control == nullptr) return false;
    if (handle_stage(n) || handle_pointer(n)) return true;
    if (const int rate = index_in(polling_, n.control); rate >= 0) {
        // Only the option chosen reports; the one its group let go of does not.
        if (chosen(n) && on_polling_rate) on_polling_rate(rate);
        return true;
    }
    if (const int page = index_in(options_, n.control); page >= 0) {
        if (chosen(n)) select_option_page(page);
        return true;
    }
    return false;
}

bool CMouseSettingsUI::handle_stage(const ui::Notification& n) {
    for (int i = 0; i < kRows; ++i) {
        const StageRow& row = rows_[static_cast<size_t>(i)];
        if (n.control == row.select) {
            if (chosen(n) && on_stage_selected) on_stage_selected(i);
        } else if (n.control == row.enable) {
            if (n.type == QLatin1String("selectchanged") && on_stage_enabled)
                on_stage_enabled(i, n.value.toBool());
        } else if (n.control == row.slider) {
            if (n.type == QLatin1String("movevaluechanged")) preview_dpi(i, n.wparam);
            if (n.type == QLatin1String("valuechanged")) {
                preview_dpi(i, n.wparam);
                if (on_stage_step) on_stage_step(i, n.wparam);
            }
        } else if (n.control == row.edit) {
            if (n.type == QLatin1String("killfocus") || n.type == QLatin1String("return"))
                finish_edit(i);
        } else if (n.control == row.colour) {
            if (n.type == QLatin1String("click") && on_stage_colour_clicked)
                on_stage_colour_clicked(i);
        } else {
            continue;
        }
        return true;
    }
    return false;
}

bool CMouseSettingsUI::handle_pointer(const ui::Notification& n) {
    const QObject* control = n.control;
    if (control == scroll_speed_) {
        // Lines per notch and page-wise scrolling exclude each other.
        set_checked(scrolls_page_, false);
        if (n.type == QLatin1String("valuechanged")) report_pointer();
        return true;
    }
    if (control == pointer_speed_ || control == double_click_) {
        if (n.type == QLatin1String("valuechanged")) report_pointer();
        return true;
    }
    if (control == pointer_precision_ || control == scrolls_page_) {
        if (n.type == QLatin1String("selectchanged")) report_pointer();
        return true;
    }
    return false;
}

void CMouseSettingsUI::preview_dpi(int stage, int step) {
    StageRow& row = rows_[static_cast<size_t>(stage)];
    if (row.edit == nullptr || !dpi_of_step) return;
    row.shown_dpi = QString::number(dpi_of_step(step));
    row.edit->setText(row.shown_dpi);
}

void CMouseSettingsUI::finish_edit(int stage) {
    StageRow& row = rows_[static_cast<size_t>(stage)];
    const QString text = row.edit->text().trimmed();
    if (text == row.shown_dpi) return;  // only visited
    bool number = false;
    const int dpi = text.toInt(&number);
    if (!number) {
        row.edit->setText(row.shown_dpi);
        return;
    }
    row.shown_dpi = text;
    if (on_stage_dpi) on_stage_dpi(stage, dpi);
}

mouse::PointerSettings CMouseSettingsUI::read_pointer() const {
    mouse::PointerSettings settings = shown_pointer_;
    if (pointer_speed_ != nullptr) settings.pointer_speed = pointer_speed_->value();
    if (scroll_speed_ != nullptr) settings.wheel_lines = scroll_speed_->value();
    if (double_click_ != nullptr) settings.double_click_ms = double_click_->value();
    if (pointer_precision_ != nullptr) settings.pointer_precision = pointer_precision_->isChecked();
    if (scrolls_page_ != nullptr) settings.scroll_by_page = scrolls_page_->isChecked();
    return settings;
}

void CMouseSettingsUI::report_pointer() const {
    if (on_pointer_changed) on_pointer_changed(read_pointer());
}

}  // namespace ilmo::shell
