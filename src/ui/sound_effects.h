#pragma once
// The sound effects of what happens on the board, played with Qt Multimedia
// as the game announces it. Each event has its WAV file in the sounds folder
// beside the program (made at build time). A machine without an audio output
// (a server, CI, Xvfb) loads none and stays silent without a complaint.
#include <QObject>
#include <QString>
#include <array>
#include <span>

#include "rules/world_events.h"

class QSoundEffect;

namespace nerilo::ui {

// The volumes 設定 → サウンド offers, in percent.
constexpr std::array<int, 3> SoundVolumes = {30, 60, 100};

class SoundEffects : public QObject {
    Q_OBJECT
public:
    explicit SoundEffects(QObject* parent = nullptr);

    // Loads folder/<event name>.wav for every event, when there is an audio output.
    void load(const QString& folder);
    // Starts the effect of each event; QSoundEffect plays on its own, the tick goes on.
    void play(std::span<const Event> events);

    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    int volume() const { return volume_; }
    void setVolume(int percent);

    // How many effects were started, loaded or not: what a test can see
    // on a machine that has nothing to play them on.
    int started() const { return started_; }

private:
    std::array<QSoundEffect*, EventKindCount> effects_{};
    bool on_ = true;
    int volume_ = 100;
    int started_ = 0;
};

}  // namespace nerilo::ui
