#include "RecordingSink.h"

namespace ilmo::shell::ui::testing {

QList<Notification> RecordingSink::of_type(const QString& type) const {
    QList<Notification> matching;
    for (const Notification& notification : received)
        if (notification.type == type) matching << notification;
    return matching;
}

QStringList RecordingSink::summary() const {
    QStringList lines;
    for (const Notification& notification : received)
        lines << notification.type + u':' + notification.sender;
    return lines;
}

}  // namespace ilmo::shell::ui::testing
