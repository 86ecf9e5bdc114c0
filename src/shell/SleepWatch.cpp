#include "shell/SleepWatch.h"

#include <QDBusConnection>

namespace ilmo::shell {

SleepWatch::SleepWatch(QObject* parent) : QObject(parent) {}

bool SleepWatch::start() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    return bus.connect("org.freedesktop.login1", "/org/freedesktop/login1",
                       "org.freedesktop.login1.Manager", "PrepareForSleep", this,
                       SLOT(on_prepare_for_sleep(bool)));
}

void SleepWatch::on_prepare_for_sleep(bool going_to_sleep) {
    if (going_to_sleep) emit suspending();
    else emit resumed();
}

}  // namespace ilmo::shell
