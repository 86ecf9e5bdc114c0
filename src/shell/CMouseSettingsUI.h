#pragma once
// The mouse page's settings area: the DPI stages and the polling rate on the two option pages
// of its DPI tab, the pointer settings on its System tab. It shows what the controller
// composes and turns the user's changes into calls; it stores and writes nothing itself.

#include <QString>
#include <array>
#include <functional>

#include "mouse/PointerSettings.h"
#include "shell/names/MouseSettingsNames.h"
#include "shell/ui/LanguageTexts.h"

class QAbstractButton;
class QIntValidator;
class QLabel;
class QLineEdit;
class QSlider;
class QStackedWidget;
class QWidget;

namespace ilmo::mouse {
struct MousePageState;
struct StageView;
}

namespace ilmo::shell {

namespace ui {
struct Notification;
}

class CMouseSettingsUI {
public:
    // Finds the controls anywhere inside `page`, whichever tab holds them; any the skin leaves
    // out is skipped. The thumbs of the
    // DPI sliders are the skin's images ("skin:" paths) where it has them.
    CMouseSettingsUI(QWidget* page, ui::Translate translate);

    void show(const mouse::MousePageState& state);
    // Shows option page `page` (0 when out of range) and lights its option alone.
    void select_option_page(int page);
    int option_page() const { return option_page_; }

    // Takes the notifications of the area's controls and calls the matching callback; true
    // when the notification was the area's.
    bool handle_notification(const ui::Notification& n);
    // Rewords the notice in the current language.
    void retranslate();

    // The DPI a slider step shows, so the edit follows a drag before the step is reported.
    // Without it the edit waits for the step to be shown.
    std::function<int(int step)> dpi_of_step;

    std::function<void(int stage)> on_stage_selected;
    std::function<void(int stage, bool enabled)> on_stage_enabled;
    // The slider let go, or moved by keys.
    std::function<void(int stage, int step)> on_stage_step;
    // A DPI typed into the edit, when the edit is left or Return pressed.
    std::function<void(int stage, int dpi)> on_stage_dpi;
    std::function<void(int stage)> on_stage_colour_clicked;
    std::function<void(int polling_rate)> on_polling_rate;
    std::function<void(mouse::PointerSettings settings)> on_pointer_changed;

private:
    struct StageRow {
        QAbstractButton* select = nullptr;
        QAbstractButton* enable = nullptr;
        QSlider* slider = nullptr;
        QLineEdit* edit = nullptr;
        QIntValidator* dpi_range = nullptr;  // the edit's
        QAbstractButton* colour = nullptr;
        QString shown_dpi;  // the edit's text as last shown, to tell an edit from a visit
    };
    static constexpr int kRows = names::mouse_settings::kStageRows;

    void show_stage(int index, const mouse::StageView& view, bool current, int slider_max,
                    int edit_min, int edit_max);
    void show_pointer(const mouse::PointerSettings& pointer);
    void show_notice();
    bool handle_stage(const ui::Notification& n);
    bool handle_pointer(const ui::Notification& n);
    void preview_dpi(int stage, int step);
    void finish_edit(int stage);
    mouse::PointerSettings read_pointer() const;
    void report_pointer() const;

    ui::Translate translate_;
    std::array<StageRow, kRows> rows_{};
    std::array<QAbstractButton*, names::mouse_settings::kPollingRates> polling_{};
    std::array<QAbstractButton*, names::mouse_settings::kOptionPageCount> options_{};
    QStackedWidget* stack_ = nullptr;
    QLabel* notice_ = nullptr;
    QSlider* pointer_speed_ = nullptr;
    QAbstractButton* pointer_precision_ = nullptr;
    QAbstractButton* scrolls_page_ = nullptr;
    QSlider* scroll_speed_ = nullptr;
    QSlider* double_click_ = nullptr;
    mouse::PointerSettings shown_pointer_;
    bool writes_blocked_ = false;
    int option_page_ = 0;
};

}  // namespace ilmo::shell
