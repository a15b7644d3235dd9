#include "ui/single_instance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include "ui/main_window.h"

namespace nerilo::ui {
namespace {
// A second copy waits this long at most for the running one, then plays on its own.
constexpr int HandOverMilliseconds = 3000;
constexpr char Received[] = "ok\n";

// One line: the folder and the name, percent-encoded, so that neither holds
// the space between them or the line's end.
QByteArray message(const NamedStage& stage) {
    return stage.folder.toUtf8().toPercentEncoding() + ' ' + stage.name.toUtf8().toPercentEncoding() + '\n';
}

NamedStage namedStageIn(const QByteArray& line) {
    const QList<QByteArray> parts = line.trimmed().split(' ');
    auto part = [&](qsizetype i) { return QString::fromUtf8(QByteArray::fromPercentEncoding(parts.value(i))); };
    return {part(1), part(0)};
}
}  // namespace

QString instanceFolder() {
    const QString chosen = qEnvironmentVariable("NERILO_INSTANCE_DIR");
    if (!chosen.isEmpty()) return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), socketPath_(folder + QStringLiteral("/nerilo.socket")),
      lock_(folder + QStringLiteral("/nerilo.lock")) {
    // Only a lock whose process is gone is stale, however long a game has run.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            answer(socket);
        }
    });
}

SingleInstance::Role SingleInstance::claim(const NamedStage& stage) {
    QDir().mkpath(QFileInfo(socketPath_).path());
    const QDeadlineTimer deadline(HandOverMilliseconds);
    // The copy holding the lock may not listen yet (it took the lock a moment
    // ago) or may just have ended: try both again until the deadline.
    do {
        if (lock_.tryLock(0)) {
            listen();
            return Role::Game;
        }
        if (lock_.error() != QLockFile::LockFailedError) return Role::Game;
        if (handOver(stage)) return Role::HandedOver;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return Role::Game;
}

bool SingleInstance::handOver(const NamedStage& stage) {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(500)) return false;
    socket.write(message(stage));
    if (!socket.waitForBytesWritten(1000)) return false;
    QByteArray reply;
    while (!reply.endsWith('\n') && socket.waitForReadyRead(HandOverMilliseconds)) reply += socket.readAll();
    return reply == Received;
}

// A crashed copy leaves its socket behind; the lock says no one listens on it.
void SingleInstance::listen() {
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath_);
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) return;
    const NamedStage stage = namedStageIn(socket->readLine());
    socket->write(Received);
    socket->flush();
    socket->disconnectFromServer();
    emit stageHanded(stage);
}

namespace {

// The handed stages wait while a modal window is open or a command runs in a
// nested event loop: the game takes one command at a time.
class HandedStages : public QObject {
public:
    explicit HandedStages(MainWindow& window) : QObject(&window), window_(window) {
        retry_.setInterval(100);
        connect(&retry_, &QTimer::timeout, this, &HandedStages::openWhenFree);
    }

    void add(const NamedStage& stage) {
        waiting_.append(stage);
        openWhenFree();
    }

private:
    void openWhenFree() {
        if (QApplication::activeModalWidget() || QThread::currentThread()->loopLevel() > 1) {
            retry_.start();
            return;
        }
        retry_.stop();
        while (!waiting_.isEmpty()) {
            const NamedStage stage = waiting_.takeFirst();
            if (window_.isMinimized()) window_.showNormal();
            window_.raise();
            window_.activateWindow();
            if (!stage.name.isEmpty()) window_.run([&] { openNamedStage(window_, stage); });
        }
    }

    MainWindow& window_;
    QList<NamedStage> waiting_;
    QTimer retry_;
};

}  // namespace

void openHandedStages(SingleInstance& instance, MainWindow& window) {
    auto* handed = new HandedStages(window);
    QObject::connect(&instance, &SingleInstance::stageHanded, handed, &HandedStages::add);
}

}  // namespace nerilo::ui
