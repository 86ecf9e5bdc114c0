#pragma once
// One running copy per user: the first start listens on a local socket; a later start
// asks it to show itself and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace ilmo::shell {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the one instance. False when another one runs; it has
    // been asked to show itself.
    bool claim();

    static QString default_name();  // per user

signals:
    // Another start asked the running program to show and raise its window.
    void show_requested();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace ilmo::shell
