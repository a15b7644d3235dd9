#pragma once
// The sound effects of what happens on the board, played with Qt Multimedia
// as the game announces it. Each event has its WAV file in the sounds folder
// beside the program (made at build time). A machine without an audio output
// (a server, CI, Xvfb) loads none and stays silent; the menu says why.
#include <QObject>
#include <QString>
#include <array>
#include <span>

#include "game/events.h"

class QMediaDevices;
class QSoundEffect;

namespace nerilo::ui {

// The volumes 設定 → サウンド offers, in percent.
constexpr std::array<int, 3> SoundVolumes = {30, 60, 100};

class SoundEffects : public QObject {
    Q_OBJECT
public:
    explicit SoundEffects(QObject* parent = nullptr);

    // Loads folder/<event name>.wav for every event, when there is an audio
    // output, else once one appears.
    void load(const QString& folder);
    // Starts the effect of each event; QSoundEffect plays on its own, the tick goes on.
    void play(std::span<const Event> events);

    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    int volume() const { return volume_; }
    void setVolume(int percent);

    // Whether Qt Multimedia finds an audio output; followed as outputs come
    // and go. A test sets it, as a device plugged in or out would.
    bool outputFound() const { return outputFound_; }
    void setOutputFound(bool found);

signals:
    void outputChanged();

public:
    // How many effects were started, loaded or not: what a test can see
    // on a machine that has nothing to play them on.
    int started() const { return started_; }

private:
    void loadEffects();

    QMediaDevices* devices_ = nullptr;
    QString folder_;
    bool outputFound_ = false;
    std::array<QSoundEffect*, EventKindCount> effects_{};
    bool on_ = true;
    int volume_ = 100;
    int started_ = 0;
};

}  // namespace nerilo::ui
