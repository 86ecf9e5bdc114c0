#pragma once

#include <QString>
#include <QVariant>

class QObject;

namespace ilmo::shell::ui {

// One UI event as the windows and panels route it: by type, then by the sender's name.
struct Notification {
    QString type;                // "click", "selectchanged", "itemselect", "timer", ...
    QString sender;              // objectName of the control (of the action, for "menu")
    QObject* control = nullptr;  // the control itself; not owned
    int wparam = 0;              // index, value or timer id, depending on the type
    QVariant value;              // the new value where there is one (bool, int, text, colour)
};

}  // namespace ilmo::shell::ui
