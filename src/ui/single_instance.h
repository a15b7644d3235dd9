#pragma once
// One game per user. The first copy of the program takes a lock and listens
// on a local socket; a second copy (a stage file opened from the file manager,
// a nerilo: link opened in a browser, while the game runs) hands its command
// line's stage to the first and exits, so that one game holds the player's
// progress and records.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include "ui/launch.h"

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
        HandedOver,  // another copy runs and has the stage: this one exits
    };
    // stage: as named on the command line, with the folder it was named in;
    // no name: the running copy is only to come to the front. Where no lock
    // can be taken, or the copy holding it does not answer, this copy plays on
    // its own: the files merge anyway.
    Role claim(const NamedStage& stage);

signals:
    // From a second copy; no name: come to the front.
    void stageHanded(const nerilo::ui::NamedStage& stage);

private:
    bool handOver(const NamedStage& stage);
    void listen();
    void answer(class QLocalSocket* socket);

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
};

// Opens each handed stage in the window as the game's own command line does
// (asking about unsaved edits), once no modal window or command is running,
// and brings the window to the front.
void openHandedStages(SingleInstance& instance, MainWindow& window);

}  // namespace nerilo::ui
