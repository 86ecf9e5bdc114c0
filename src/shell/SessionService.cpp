#include "shell/SessionService.h"

#include <QDBusConnection>

#include "device/DeviceTables.h"

namespace ilmo::shell {

SessionService::SessionService(QObject* parent) : QObject(parent) {}

bool SessionService::register_on_session_bus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(kObjectPath, this,
                            QDBusConnection::ExportScriptableSlots |
                                QDBusConnection::ExportScriptableSignals))
        return false;
    return bus.registerService(kServiceName);
}

void SessionService::Show() { emit show_requested(); }

void SessionService::SetLightingControl(bool drive) { emit lighting_control_requested(drive); }

QVariantList SessionService::ModelList() {
    QVariantList models;
    for (const auto& option : device::kDeviceOptions) {
        models << option.vendor_id << option.product_id << device::to_int(option.kind);
    }
    return models;
}

void SessionService::GameEvent(const QString& name, int wparam, int lparam) {
    static const QStringList kKnown = {"Game_Start", "Game_End", "Game_Kill", "Game_Death"};
    if (kKnown.contains(name)) emit game_event(name, wparam, lparam);
}

void SessionService::UpdaterReport(int wparam, int lparam) { emit updater_report(wparam, lparam); }

}  // namespace ilmo::shell
