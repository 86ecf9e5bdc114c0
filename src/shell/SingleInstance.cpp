#include "shell/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace ilmo::shell {

namespace {

// The holder may have taken the lock but not yet be listening; a later start waits this long
// for it before it gives up.
constexpr int kHandOverWaitMs = 3000;
constexpr int kConnectTimeoutMs = 200;
constexpr int kRetryPauseMs = 50;
const QByteArray kShowRequest = "show\n";

}  // namespace

SingleInstance::SingleInstance(QString name, QString folder, QObject* parent)
    : QObject(parent), socket_path_(QDir(folder).filePath(name)) {}

SingleInstance::~SingleInstance() {
    // The socket goes before the lock: once the lock is free, the next copy's socket may
    // already stand at the same path.
    delete server_;
    if (lock_fd_ >= 0) ::close(lock_fd_);
}

QString SingleInstance::default_name() {
    return QStringLiteral("ILMO RQ07");
}

QString SingleInstance::runtime_folder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

SingleInstance::Claim SingleInstance::claim() {
    const QByteArray lock_path = QFile::encodeName(socket_path_ + QStringLiteral(".lock"));
    lock_fd_ = ::open(lock_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // The lock file is never removed: a copy that opened it just before a removal would
    // lock a file nobody else sees.
    if (lock_fd_ >= 0 && ::flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
        const bool held_elsewhere = errno == EWOULDBLOCK;
        ::close(lock_fd_);
        lock_fd_ = -1;
        if (held_elsewhere) return ask_holder_to_show() ? Claim::HandedOver : Claim::NoAnswer;
    }
    // Ours, or no lock to be had here (a folder we may not write): run without the guard
    // rather than not at all.
    listen();
    return Claim::Claimed;
}

bool SingleInstance::ask_holder_to_show() const {
    const QDeadlineTimer deadline(kHandOverWaitMs);
    do {
        QLocalSocket probe;
        probe.connectToServer(socket_path_);
        if (probe.waitForConnected(kConnectTimeoutMs)) {
            probe.write(kShowRequest);
            const bool sent =
                probe.waitForBytesWritten(kConnectTimeoutMs) || probe.bytesToWrite() == 0;
            probe.disconnectFromServer();
            return sent;
        }
        QThread::msleep(kRetryPauseMs);
    } while (!deadline.hasExpired());
    return false;
}

void SingleInstance::listen() {
    // Whatever socket file is there was left by a copy that ended without removing it.
    QLocalServer::removeServer(socket_path_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socket_path_)) return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("show")) emit show_requested();
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
}

}  // namespace ilmo::shell
