#include "shell/RouteTable.h"

namespace ilmo::shell {

void RouteTable::add(const QString& name, Handler handler) {
    folded_.insert(name.toLower(), std::move(handler));
}

void RouteTable::add_exact(const QString& name, Handler handler) {
    exact_.insert(name, std::move(handler));
}

void RouteTable::add_prefix(const QString& prefix, Handler handler) {
    prefixes_.emplace_back(prefix.toLower(), std::move(handler));
}

bool RouteTable::dispatch(const ui::Notification& n) const {
    if (const auto exact = exact_.constFind(n.sender); exact != exact_.constEnd()) {
        exact.value()(n);
        return true;
    }
    const QString name = n.sender.toLower();
    if (const auto found = folded_.constFind(name); found != folded_.constEnd()) {
        found.value()(n);
        return true;
    }
    for (const auto& [prefix, handler] : prefixes_) {
        if (name.startsWith(prefix)) {
            handler(n);
            return true;
        }
    }
    return false;
}

}  // namespace ilmo::shell
