#pragma once
// Follows the system's suspend and resume through logind's PrepareForSleep signal.

#include <QObject>

namespace ilmo::shell {

class SleepWatch : public QObject {
    Q_OBJECT
public:
    explicit SleepWatch(QObject* parent = nullptr);
    // False when the system bus or logind is not there; nothing is reported then.
    bool start();

signals:
    void suspending();
    void resumed();

private slots:
    void on_prepare_for_sleep(bool going_to_sleep);
};

}  // namespace ilmo::shell
