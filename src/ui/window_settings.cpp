#include "ui/window_settings.h"

#include <QSettings>
#include <algorithm>

#include "ui/sound_effects.h"
#include "ui/zoom.h"

namespace nerilo::ui {
namespace {
const QString ZoomKey = QStringLiteral("window/zoom");
const QString BufferedInputKey = QStringLiteral("input/buffered");
const QString SoundOnKey = QStringLiteral("sound/on");
const QString SoundVolumeKey = QStringLiteral("sound/volume");
const QString DeadEndWarningKey = QStringLiteral("deadEndWarning");
}  // namespace

std::optional<int> savedZoom() {
    bool ok = false;
    const int zoom = QSettings().value(ZoomKey).toInt(&ok);
    if (!ok || zoom != clampZoom(zoom)) return std::nullopt;
    return zoom;
}

void saveZoom(int zoom) { QSettings().setValue(ZoomKey, zoom); }

bool savedBufferedInput() { return QSettings().value(BufferedInputKey, false).toBool(); }

void saveBufferedInput(bool on) { QSettings().setValue(BufferedInputKey, on); }

bool savedDeadEndWarning() { return QSettings().value(DeadEndWarningKey, false).toBool(); }

void saveDeadEndWarning(bool on) { QSettings().setValue(DeadEndWarningKey, on); }

bool savedSoundOn() { return QSettings().value(SoundOnKey, true).toBool(); }

void saveSoundOn(bool on) { QSettings().setValue(SoundOnKey, on); }

int savedSoundVolume() {
    const int volume = QSettings().value(SoundVolumeKey).toInt();
    return std::ranges::find(SoundVolumes, volume) != SoundVolumes.end() ? volume : SoundVolumes.back();
}

void saveSoundVolume(int percent) { QSettings().setValue(SoundVolumeKey, percent); }

}  // namespace nerilo::ui
