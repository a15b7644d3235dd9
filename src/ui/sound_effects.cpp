#include "ui/sound_effects.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace nerilo::ui {

SoundEffects::SoundEffects(QObject* parent) : QObject(parent), devices_(new QMediaDevices(this)) {
    outputFound_ = !QMediaDevices::audioOutputs().isEmpty();
    connect(devices_, &QMediaDevices::audioOutputsChanged, this,
            [this] { setOutputFound(!QMediaDevices::audioOutputs().isEmpty()); });
}

void SoundEffects::load(const QString& folder) {
    folder_ = folder;
    loadEffects();
}

// Without an audio output there is nothing to load the effects for, and Qt
// would only report each one it cannot play.
void SoundEffects::loadEffects() {
    if (!outputFound_ || folder_.isEmpty()) return;
    for (int k = 0; k < EventKindCount; ++k) {
        const QString path = folder_ + QLatin1Char('/') + QLatin1String(eventName(static_cast<Event>(k))) + QStringLiteral(".wav");
        if (effects_[k] || !QFileInfo::exists(path)) continue;
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        effect->setVolume(static_cast<float>(volume_) / 100.0f);
        effects_[k] = effect;
    }
}

void SoundEffects::setOutputFound(bool found) {
    if (found == outputFound_) return;
    outputFound_ = found;
    loadEffects();
    emit outputChanged();
}

void SoundEffects::play(std::span<const Event> events) {
    if (!on_) return;
    for (Event event : events) {
        ++started_;
        if (QSoundEffect* effect = effects_[static_cast<int>(event)]) effect->play();
    }
}

void SoundEffects::setVolume(int percent) {
    volume_ = percent;
    for (QSoundEffect* effect : effects_)
        if (effect) effect->setVolume(static_cast<float>(percent) / 100.0f);
}

}  // namespace nerilo::ui
