#pragma once
// The program's face on the session bus, for companion programs: show the window, give up
// or take back the lighting, list the supported models, game events, and the firmware
// updater's progress reports. Service "org.ilmo.RQ07", object "/org/ilmo/RQ07".

#include <QObject>
#include <QString>
#include <QVariantList>

namespace ilmo::shell {

class SessionService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.ilmo.RQ07")
public:
    static constexpr const char* kServiceName = "org.ilmo.RQ07";
    static constexpr const char* kObjectPath = "/org/ilmo/RQ07";

    explicit SessionService(QObject* parent = nullptr);
    // False when there is no session bus or the name is taken; the program runs on.
    bool register_on_session_bus();

public slots:
    // Shows and raises the window.
    Q_SCRIPTABLE void Show();
    // drive = false: stop driving the devices' lighting; true: drive it again.
    Q_SCRIPTABLE void SetLightingControl(bool drive);
    // Vendor id, product id and device kind of every device page, flattened in that order.
    Q_SCRIPTABLE QVariantList ModelList();
    // name is one of "Game_Start", "Game_End", "Game_Kill", "Game_Death".
    Q_SCRIPTABLE void GameEvent(const QString& name, int wparam, int lparam);
    // Progress of the firmware updater, passed to the settings window.
    Q_SCRIPTABLE void UpdaterReport(int wparam, int lparam);

signals:
    // Announced whenever the program takes (true) or releases (false) the lighting.
    Q_SCRIPTABLE void LightingControlChanged(bool taken);

    // For the main window.
    void show_requested();
    void lighting_control_requested(bool drive);
    void game_event(const QString& name, int wparam, int lparam);
    void updater_report(int wparam, int lparam);
};

}  // namespace ilmo::shell
