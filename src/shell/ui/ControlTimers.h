#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QSet>

namespace ilmo::shell::ui {

class NotificationSink;

// Repeating timers kept per control and id, as windows and panels number them (1011,
// 1055, ...). Each expiry reaches the sink as Notification{"timer", control's name,
// control, wparam = id} until the timer is killed or its control is destroyed.
class ControlTimers : public QObject {
    Q_OBJECT
public:
    // The sink must outlive this object.
    explicit ControlTimers(NotificationSink& sink, QObject* parent = nullptr);

    // Starts the timer, or restarts it with the new interval when it runs already.
    // False when control is null or interval_ms is negative.
    bool set_timer(QObject* control, int id, int interval_ms);
    void kill_timer(QObject* control, int id);
    void kill_timers(QObject* control);
    bool is_running(QObject* control, int id) const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    using Key = QPair<QObject*, int>;  // control, the caller's timer id

    NotificationSink& sink_;
    QHash<Key, int> qt_timer_ids_;
    QHash<int, Key> keys_;             // by Qt's timer id
    QSet<QObject*> watched_controls_;  // destroyed() connected once each
};

}  // namespace ilmo::shell::ui
