#pragma once

#include <QObject>
#include <QStringView>

class QWidget;

namespace ilmo::shell::ui {

// The first object named `name` under root (root included) whose class is `type` or
// derives from it; nullptr when there is none.
QObject* find_named(QWidget* root, QStringView name, const QMetaObject& type);

// The control named `name` under root, or nullptr: callers test the result, as a skin
// may leave a control out.
template <class T>
T* find_control(QWidget* root, QStringView name) {
    return static_cast<T*>(find_named(root, name, T::staticMetaObject));
}

// Shows page `index` of the QStackedWidget or QTabWidget named `name`. False when there is
// no such control or no such page.
bool select_tab(QWidget* root, QStringView name, int index);

}  // namespace ilmo::shell::ui
