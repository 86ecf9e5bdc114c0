#pragma once
// Routes a window's notifications by the sender's name: names compared without regard to
// case, names compared as written, and name prefixes of indexed families ("windowdeviceset_"
// followed by a number). Adding a control is adding a row.

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "shell/ui/Notification.h"

namespace ilmo::shell {

class RouteTable {
public:
    using Handler = std::function<void(const ui::Notification&)>;

    void add(const QString& name, Handler handler);
    void add_exact(const QString& name, Handler handler);
    void add_prefix(const QString& prefix, Handler handler);

    // Calls the handler of the sender; false when no row routes it. Exact names go first.
    bool dispatch(const ui::Notification& n) const;

private:
    QHash<QString, Handler> folded_;  // keys in lower case
    QHash<QString, Handler> exact_;
    std::vector<std::pair<QString, Handler>> prefixes_;  // lower case
};

}  // namespace ilmo::shell
