#include "shell/ui/ControlTimers.h"

#include <QTimerEvent>

#include "shell/ui/Notification.h"
#include "shell/ui/NotificationSink.h"

namespace ilmo::shell::ui {

ControlTimers::ControlTimers(NotificationSink& sink, QObject* parent)
    : QObject(parent), sink_(sink) {}

bool ControlTimers::set_timer(QObject* control, int id, int interval_ms) {
    if (!control || interval_ms < 0) return false;
    kill_timer(control, id);
    // Precise: the light frame timers run at 10 ms, where coarse timers drift by 5 %.
    const int qt_id = startTimer(interval_ms, Qt::PreciseTimer);
    if (qt_id == 0) return false;
    qt_timer_ids_.insert(Key{control, id}, qt_id);
    keys_.insert(qt_id, Key{control, id});
    if (!watched_controls_.contains(control)) {
        watched_controls_.insert(control);
        connect(control, &QObject::destroyed, this, [this](QObject* gone) {
            kill_timers(gone);
            watched_controls_.remove(gone);
        });
    }
    return true;
}

void ControlTimers::kill_timer(QObject* control, int id) {
    const int qt_id = qt_timer_ids_.take(Key{control, id});
    if (qt_id == 0) return;
    killTimer(qt_id);
    keys_.remove(qt_id);
}

void ControlTimers::kill_timers(QObject* control) {
    for (const Key& key : qt_timer_ids_.keys())
        if (key.first == control) kill_timer(key.first, key.second);
}

bool ControlTimers::is_running(QObject* control, int id) const {
    return qt_timer_ids_.contains(Key{control, id});
}

void ControlTimers::timerEvent(QTimerEvent* event) {
    const auto it = keys_.constFind(event->timerId());
    if (it == keys_.cend()) return QObject::timerEvent(event);
    // A copy: the handler often kills this very timer before acting.
    const Key key = *it;
    sink_.notify(Notification{QStringLiteral("timer"), key.first->objectName(), key.first,
                              key.second, key.second});
}

}  // namespace ilmo::shell::ui
