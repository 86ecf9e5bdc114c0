#include "shell/PanelControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "shell/ui/Notification.h"

namespace ilmo::shell::panel {

bool chosen(const ui::Notification& n) {
    return n.type == QLatin1String("selectchanged") && n.value.toBool();
}

void set_slider(QSlider* slider, int minimum, int maximum, int value) {
    if (slider == nullptr) return;
    // A value set here is not the user's change.
    const QSignalBlocker quiet(slider);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
}

void set_slider(QSlider* slider, int value) {
    if (slider != nullptr) set_slider(slider, slider->minimum(), slider->maximum(), value);
}

void set_checked(QAbstractButton* button, bool checked) {
    if (button != nullptr) button->setChecked(checked);
}

void set_enabled(QWidget* widget, bool enabled) {
    if (widget != nullptr) widget->setEnabled(enabled);
}

void check_only(QAbstractButton* const* family, size_t count, int index) {
    for (size_t i = 0; i < count; ++i) {
        QAbstractButton* option = family[i];
        if (option == nullptr) continue;
        // An exclusive group keeps its last option checked: showing none needs it let go.
        QButtonGroup* group = option->group();
        const bool exclusive = group != nullptr && group->exclusive();
        if (exclusive) group->setExclusive(false);
        option->setChecked(static_cast<int>(i) == index);
        if (exclusive) group->setExclusive(true);
    }
}

void show_usable(QWidget* widget, const QString& reason, bool wanted) {
    if (widget == nullptr) return;
    widget->setEnabled(reason.isEmpty() && wanted);
    widget->setToolTip(reason);
}

void show_notice(QLabel* label, const QString& text) {
    if (label == nullptr) return;
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

}  // namespace ilmo::shell::panel
