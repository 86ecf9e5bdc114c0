#pragma once
// One running copy per user. The claim is a lock on a file beside the copy's local socket in
// the user's runtime folder: the kernel grants it to one process at a time and takes it back
// when that process ends, however it ends. A later start asks the holder to show itself.

#include <QObject>
#include <QString>

class QLocalServer;

namespace ilmo::shell {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Claimed,     // this process is the one copy and listens for later starts
        HandedOver,  // another copy runs and was asked to show its window
        NoAnswer,    // another copy holds the claim but did not take the request
    };

    // The socket is `folder`/`name`, its lock `folder`/`name`.lock.
    explicit SingleInstance(QString name, QString folder = runtime_folder(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    const QString& socket_path() const { return socket_path_; }

    static QString default_name();
    // $XDG_RUNTIME_DIR when it is usable; else a private folder of the user's that Qt makes
    // in the temporary folder; the temporary folder itself as a last resort.
    static QString runtime_folder();

signals:
    // Another start asked the running program to show and raise its window.
    void show_requested();

private:
    bool ask_holder_to_show() const;
    void listen();

    QString socket_path_;
    int lock_fd_ = -1;
    QLocalServer* server_ = nullptr;
};

}  // namespace ilmo::shell
