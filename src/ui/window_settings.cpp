#include "ui/window_settings.h"

#include <QSettings>

#include "ui/zoom.h"

namespace nerilo::ui {
namespace {
const QString ZoomKey = QStringLiteral("window/zoom");
const QString BufferedInputKey = QStringLiteral("input/buffered");
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

}  // namespace nerilo::ui
