#include "shell/ui/ControlLookup.h"

#include <QStackedWidget>
#include <QTabWidget>

namespace ilmo::shell::ui {

namespace {
bool matches(const QObject& object, QStringView name, const QMetaObject& type) {
    return object.objectName() == name && object.metaObject()->inherits(&type);
}
}  // namespace

QObject* find_named(QWidget* root, QStringView name, const QMetaObject& type) {
    if (!root || name.isEmpty()) return nullptr;
    if (matches(*root, name, type)) return root;
    for (QObject* child : root->findChildren<QObject*>(name.toString()))
        if (matches(*child, name, type)) return child;
    return nullptr;
}

bool select_tab(QWidget* root, QStringView name, int index) {
    if (auto* stack = find_control<QStackedWidget>(root, name)) {
        if (index < 0 || index >= stack->count()) return false;
        stack->setCurrentIndex(index);
        return true;
    }
    if (auto* tabs = find_control<QTabWidget>(root, name)) {
        if (index < 0 || index >= tabs->count()) return false;
        tabs->setCurrentIndex(index);
        return true;
    }
    return false;
}

}  // namespace ilmo::shell::ui
