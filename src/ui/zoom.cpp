#include "ui/zoom.h"

#include <algorithm>
#include <cmath>

#include "view/presentation.h"

namespace nerilo::ui {
namespace {
// The menu bar and the window frame above the client area, in board units: the
// outer heights while playing and editing leave 7260 and 8960 for it.
constexpr int FrameUnits = 640;
// The columns of palette entries and a margin as wide as the panel's.
constexpr int BesideWidthUnits = BesideColumns * 480 + 120;
// A margin below the analysis as below the board.
constexpr int MarginUnits = 60;
}  // namespace

int devicePixelsPerArtPixel(int zoom, double devicePixelRatio) {
    // The small allowance keeps 1.5 × 2 at 3 against rounding below it.
    return std::max(1, static_cast<int>(std::floor(zoom * devicePixelRatio + 1e-6)));
}

QSize naturalClientSize(Layout layout) {
    const int width = PanelRightUnits + (layout == Layout::PalettesBeside ? BesideWidthUnits : 0);
    if (layout == Layout::PalettesBelow)
        return {px(width), px(AnalysisBelowUnits.y() + AnalysisBelowUnits.height() + MarginUnits)};
    return {px(width), px(PlayingHeight - FrameUnits)};
}

int largestFittingZoom(QSize client, QSize chrome, QSize available, int upTo) {
    for (int zoom = clampZoom(upTo); zoom >= MinZoom; --zoom) {
        const QSize outer = client * zoom + chrome;
        if (outer.width() <= available.width() && outer.height() <= available.height()) return zoom;
    }
    return 0;
}

int fittingZoom(QSize client, QSize chrome, QSize available, int upTo) {
    return std::max(MinZoom, largestFittingZoom(client, chrome, available, upTo));
}

WindowFit fitWindow(bool editing, int chosen, QSize chrome, QSize available) {
    if (!editing) return {fittingZoom(naturalClientSize(Layout::Playing), chrome, available, chosen), Layout::Playing};
    const int below = largestFittingZoom(naturalClientSize(Layout::PalettesBelow), chrome, available, chosen);
    const int beside = largestFittingZoom(naturalClientSize(Layout::PalettesBeside), chrome, available, chosen);
    if (beside > below) return {beside, Layout::PalettesBeside};
    return {std::max(MinZoom, below), Layout::PalettesBelow};
}

}  // namespace nerilo::ui
