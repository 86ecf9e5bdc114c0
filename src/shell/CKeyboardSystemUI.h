#pragma once
// The keyboard page's system tab: shows the keyboard's system options on their controls and
// reports what the user changes there. It writes nothing itself; whoever owns the options
// stores and sends them. The key repeat it shows is the computer's own: the field under it
// only lets the user feel the rate and delay.

#include <array>
#include <functional>

#include "keyboard/SystemOptions.h"
#include "shell/names/KeyboardSystemNames.h"
#include "shell/ui/LanguageTexts.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

namespace ilmo::shell {

namespace ui {
struct Notification;
}

class CKeyboardSystemUI {
public:
    // Finds the controls inside `page`; any the skin leaves out is skipped.
    CKeyboardSystemUI(QWidget* page, ui::Translate translate);

    // A step outside 0-3 shows as step 0.
    void show(const keyboard::SystemOptions& options);
    // The options as the controls show them; what has no control keeps its last shown value.
    keyboard::SystemOptions read() const;

    // Takes the notifications of the tab's controls: a click on one of the three flags, a
    // choice of delay or polling rate, and the slider let go (or moved by keys) report the
    // whole option set to on_changed. True when the notification was the tab's.
    bool handle_notification(const ui::Notification& n);

    // Rewords the delay label and the test field's hint in the current language.
    void retranslate();

    std::function<void(keyboard::SystemOptions)> on_changed;

private:
    using Steps = std::array<QAbstractButton*, names::keyboard_system::kStepCount>;

    void report_change() const;
    void show_delay_label(int step);

    ui::Translate translate_;
    keyboard::SystemOptions shown_;
    QSlider* repeat_rate_ = nullptr;
    Steps repeat_delays_{};
    Steps polling_rates_{};
    QLabel* delay_label_ = nullptr;
    QLineEdit* repeat_input_ = nullptr;
    QAbstractButton* six_key_ = nullptr;
    QAbstractButton* w_key_ = nullptr;
    QAbstractButton* win_lock_ = nullptr;
};

}  // namespace ilmo::shell
