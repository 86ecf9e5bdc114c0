#pragma once
// SIGTERM and SIGINT (a session ending, Ctrl+C in a terminal) end the program the way the
// tray menu's "exit" does, so device handles close and workers stop before the process goes.

#include <QObject>

class QSocketNotifier;

namespace ilmo::shell {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void termination_requested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace ilmo::shell
