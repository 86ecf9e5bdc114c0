#pragma once
// What the device pages' panels do with their controls alike: find them by name or by
// family (prefix + index), and show values without reporting them as the user's change.

#include <QString>
#include <algorithm>
#include <array>

#include "shell/ui/ControlLookup.h"

class QAbstractButton;
class QLabel;
class QSlider;
class QWidget;

namespace ilmo::shell {

namespace ui {
struct Notification;
}

namespace panel {

template <class T>
T* find(QWidget* page, const char* name) {
    return ui::find_control<T>(page, QString::fromLatin1(name));
}

template <class T>
T* find(QWidget* page, const char* prefix, int index) {
    return ui::find_control<T>(page, QString::fromLatin1(prefix) + QString::number(index));
}

// prefix + first, prefix + (first + 1), ...; null where the skin leaves one out.
template <class T, size_t N>
std::array<T*, N> find_family(QWidget* page, const char* prefix, int first = 0) {
    std::array<T*, N> family{};
    for (size_t i = 0; i < N; ++i) family[i] = find<T>(page, prefix, first + static_cast<int>(i));
    return family;
}

// Index of `control` in `family`, or -1.
template <class Family>
int index_in(const Family& family, const QObject* control) {
    const auto it = std::find(family.begin(), family.end(), control);
    return control != nullptr && it != family.end() ? static_cast<int>(it - family.begin()) : -1;
}

// An option the user chose (the one its group let go of reports too, unchosen).
bool chosen(const ui::Notification& n);

void set_slider(QSlider* slider, int minimum, int maximum, int value);
void set_slider(QSlider* slider, int value);
void set_checked(QAbstractButton* button, bool checked);
void set_enabled(QWidget* widget, bool enabled);

// Checks option `index` of an exclusive family alone; none when `index` is outside it.
void check_only(QAbstractButton* const* family, size_t count, int index);
template <size_t N>
void check_only(const std::array<QAbstractButton*, N>& family, int index) {
    check_only(family.data(), N, index);
}

// Disabled with `reason` as its tooltip when there is one; otherwise usable when `wanted`.
void show_usable(QWidget* widget, const QString& reason, bool wanted = true);
// The label shows `text`, and only while there is one.
void show_notice(QLabel* label, const QString& text);

}  // namespace panel
}  // namespace ilmo::shell
