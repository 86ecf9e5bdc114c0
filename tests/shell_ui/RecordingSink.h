#pragma once

#include <QList>
#include <QStringList>

#include "shell/ui/Notification.h"
#include "shell/ui/NotificationSink.h"

namespace ilmo::shell::ui::testing {

// Keeps every notification it receives, in order.
class RecordingSink : public NotificationSink {
public:
    void notify(const Notification& notification) override { received << notification; }

    QList<Notification> of_type(const QString& type) const;
    // "type:sender" for each notification, for compact comparisons.
    QStringList summary() const;
    void clear() { received.clear(); }

    QList<Notification> received;
};

}  // namespace ilmo::shell::ui::testing
