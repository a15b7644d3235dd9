#pragma once
// One game per user. The first copy of the program takes a lock and listens
// on a local socket; a second copy (a stage file opened from the file manager
// while the game runs) hands its stage file to the first and exits, so that
// one game holds the player's progress and records.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace nerilo::ui {

class MainWindow;

// Where the lock and the socket live: $NERILO_INSTANCE_DIR when set (tests
// name a folder of their own, away from a player's running game), else the
// user's runtime folder.
QString instanceFolder();

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);

    enum class Role {
        Game,        // this copy is the game (it took the lock, a crashed copy's too)
        HandedOver,  // another copy runs and has the stage file: this one exits
    };
    // stageFile: an absolute path, or empty when the running copy is only to
    // come to the front. Where no lock can be taken, or the copy holding it
    // does not answer, this copy plays on its own: the files merge anyway.
    Role claim(const QString& stageFile);

signals:
    // From a second copy; empty: come to the front.
    void stageFileHanded(const QString& path);

private:
    bool handOver(const QString& stageFile);
    void listen();
    void answer(class QLocalSocket* socket);

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
};

// Opens each handed stage file in the window as Open does (asking about
// unsaved edits), once no modal window or command is running, and brings the
// window to the front.
void openHandedStages(SingleInstance& instance, MainWindow& window);

}  // namespace nerilo::ui
