#include "shell/CKeyboardSystemUI.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace system_names = names::keyboard_system;

namespace {

constexpr int kFirstDelayMs = 250;
constexpr int kDelayStepMs = 250;

template <class T>
T* find(QWidget* page, const char* name) {
    return ui::find_control<T>(page, QString::fromLatin1(name));
}

// The options of steps 0-3, by step.
using StepOptions = std::array<QAbstractButton*, system_names::kStepCount>;

StepOptions find_steps(QWidget* page, const char* prefix) {
    StepOptions steps{};
    for (size_t i = 0; i < steps.size(); ++i)
        steps[i] = ui::find_control<QAbstractButton>(
            page, QString::fromLatin1(prefix) + QString::number(i));
    return steps;
}

int shown_step(int step) {
    return step >= 0 && step < system_names::kStepCount ? step : 0;
}

void check_step(const StepOptions& steps, int step) {
    if (QAbstractButton* option = steps[static_cast<size_t>(step)]) option->setChecked(true);
}

// -1 when no step is checked.
int checked_step(const StepOptions& steps) {
    const auto it = std::find_if(steps.begin(), steps.end(), [](QAbstractButton* option) {
        return option != nullptr && option->isChecked();
    });
    return it == steps.end() ? -1 : static_cast<int>(it - steps.begin());
}

bool is_step(const StepOptions& steps, const QObject* control) {
    return control != nullptr && std::find(steps.begin(), steps.end(), control) != steps.end();
}

void set_checked(QAbstractButton* option, uint16_t flag) {
    if (option != nullptr) option->setChecked(flag != 0);
}

uint16_t flag_of(QAbstractButton* option, uint16_t shown) {
    return option != nullptr ? static_cast<uint16_t>(option->isChecked() ? 1 : 0) : shown;
}

}  // namespace

CKeyboardSystemUI::CKeyboardSystemUI(QWidget* page, ui::Translate translate)
    : translate_(std::move(translate)),
      repeat_rate_(find<QSlider>(page, system_names::kRepeatRateSlider)),
      repeat_delays_(find_steps(page, system_names::kRepeatDelayPrefix)),
      polling_rates_(find_steps(page, system_names::kPollingRatePrefix)),
      delay_label_(find<QLabel>(page, system_names::kRepeatDelayLabel)),
      repeat_input_(find<QLineEdit>(page, system_names::kRepeatInput)),
      six_key_(find<QAbstractButton>(page, system_names::kSixKeyOption)),
      w_key_(find<QAbstractButton>(page, system_names::kWKeyOption)),
      win_lock_(find<QAbstractButton>(page, system_names::kWinLockOption)) {
    // The rate changes when the slider is let go, not at every step of a drag: the value only
    // moves (and "valuechanged" comes) then.
    if (repeat_rate_ != nullptr) repeat_rate_->setTracking(false);
    show(shown_);
}

void CKeyboardSystemUI::show(const keyboard::SystemOptions& options) {
    shown_ = options;
    if (repeat_rate_ != nullptr) {
        // A value set here is not the user's change.
        const QSignalBlocker quiet(repeat_rate_);
        repeat_rate_->setValue(options.repeat);
    }
    check_step(repeat_delays_, shown_step(options.repeat_delay));
    check_step(polling_rates_, shown_step(options.polling_rate));
    set_checked(six_key_, options.six_key);
    set_checked(w_key_, options.w_key);
    set_checked(win_lock_, options.win_lock);
    retranslate();
}

keyboard::SystemOptions CKeyboardSystemUI::read() const {
    keyboard::SystemOptions options = shown_;
    if (repeat_rate_ != nullptr) options.repeat = static_cast<uint16_t>(repeat_rate_->value());
    if (const int step = checked_step(repeat_delays_); step >= 0)
        options.repeat_delay = static_cast<uint16_t>(step);
    if (const int step = checked_step(polling_rates_); step >= 0)
        options.polling_rate = static_cast<uint16_t>(step);
    options.six_key = flag_of(six_key_, shown_.six_key);
    options.w_key = flag_of(w_key_, shown_.w_key);
    options.win_lock = flag_of(win_lock_, shown_.win_lock);
    return options;
}

bool CKeyboardSystemUI::handle_notification(const ui::Notification& n) {
    const QObject* control = n.control;
    if (control == nullptr) return false;
    if (control == repeat_rate_) {
        if (n.type == QLatin1String("valuechanged")) report_change();
        return true;
    }
    if (control == six_key_ || control == w_key_ || control == win_lock_) {
        if (n.type == QLatin1String("selectchanged")) report_change();
        return true;
    }
    const bool delay = is_step(repeat_delays_, control);
    if (!delay && !is_step(polling_rates_, control)) return false;
    // Only the option chosen reports; the one its group let go of does not.
    if (n.type == QLatin1String("selectchanged") && n.value.toBool()) {
        if (delay) show_delay_label(checked_step(repeat_delays_));
        report_change();
    }
    return true;
}

void CKeyboardSystemUI::retranslate() {
    show_delay_label(std::max(0, checked_step(repeat_delays_)));
    if (repeat_input_ != nullptr)
        repeat_input_->setPlaceholderText(
            translate_(QString::fromLatin1(system_names::kRepeatInputText)));
}

void CKeyboardSystemUI::report_change() const {
    if (on_changed) on_changed(read());
}

void CKeyboardSystemUI::show_delay_label(int step) {
    if (delay_label_ == nullptr) return;
    const int delay_ms = kFirstDelayMs + kDelayStepMs * step;
    delay_label_->setText(translate_(QString::fromLatin1(system_names::kRepeatDelayText)) +
                          QString::number(delay_ms) + QStringLiteral("ms"));
}

}  // namespace ilmo::shell
