#include "ui/zoom.h"

#include <cmath>

namespace nerilo::ui {

int devicePixelsPerArtPixel(int zoom, double devicePixelRatio) {
    // The small allowance keeps 1.5 × 2 at 3 against rounding below it.
    return std::max(1, static_cast<int>(std::floor(zoom * devicePixelRatio + 1e-6)));
}

int fittingZoom(QSize client, QSize chrome, QSize available) {
    for (int zoom = MaxZoom; zoom > MinZoom; --zoom) {
        const QSize outer = client * zoom + chrome;
        if (outer.width() <= available.width() && outer.height() <= available.height()) return zoom;
    }
    return MinZoom;
}

}  // namespace nerilo::ui
