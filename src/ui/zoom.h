#pragma once
// The window's integer zoom and its layouts. Sizes and positions are kept in
// board units, 15 to a pixel at 1×; at zoom z every one is px(units) × z, so
// each art pixel of the 32 × 32 pictures is a whole z × z square and the
// pictures stay sharp.
#include <QFont>
#include <QRect>
#include <QSize>
#include <cstdint>

namespace nerilo::ui {

constexpr int UnitsPerPixel = 15;
constexpr int px(int units) { return units / UnitsPerPixel; }

constexpr int MinZoom = 1;
constexpr int MaxZoom = 4;
constexpr int clampZoom(int zoom) { return zoom < MinZoom ? MinZoom : zoom > MaxZoom ? MaxZoom : zoom; }

struct Zoom {
    int factor = 1;
    constexpr int px(int units) const { return ui::px(units) * factor; }
    QRect rect(int left, int top, int width, int height) const {
        return {px(left), px(top), px(width), px(height)};
    }
    QFont font(QFont base) const {
        base.setPointSizeF(base.pointSizeF() * factor);
        return base;
    }
};

// Device pixels to an art pixel at this zoom on a screen with this device pixel
// ratio: the most whole device pixels that fit in the zoomed size, at least one.
int devicePixelsPerArtPixel(int zoom, double devicePixelRatio);

// How the window is laid out: the board and the panel beside it while playing;
// in the editor, the palettes and the analysis below the board, or beside the
// panel where the screen is too low for them below.
enum class Layout : uint8_t { Playing, PalettesBelow, PalettesBeside };

// Where the palettes beside the panel begin, in board units: right of the
// client area of a playing window.
constexpr int PanelRightUnits = 8655;
// The palettes beside the panel stand in rows of five entries: the ground's
// six rows above the blocks' two.
constexpr int BesideColumns = 5;
// The editor's analysis, in board units, where it has room for its figures at
// the panel's text size: below the board right of the blocks' row and reaching
// below it, or beside the panel under the palettes, above the brushes.
constexpr QRect AnalysisBelowUnits(3960, 8400, 3240, 1200);
constexpr QRect AnalysisBesideUnits(PanelRightUnits, 3960, BesideColumns * 480, 1980);
// The client area (below the menu bar) at 1×.
QSize naturalClientSize(Layout layout);

// The largest zoom up to `upTo` at which a window whose client area is
// `client` at 1×, with `chrome` (menu bar, frame) around it at every zoom, fits
// in `available`; 0 when none does.
int largestFittingZoom(QSize client, QSize chrome, QSize available, int upTo = MaxZoom);
// The same, but 1× when none does.
int fittingZoom(QSize client, QSize chrome, QSize available, int upTo = MaxZoom);

struct WindowFit {
    int zoom = MinZoom;
    Layout layout = Layout::Playing;
    friend bool operator==(const WindowFit&, const WindowFit&) = default;
};

// The zoom and layout the window takes: the chosen zoom, or the largest below
// it at which the window fits. The editor keeps its palettes below the board
// where they fit; beside the panel when that keeps a larger zoom. 1× when
// nothing fits.
WindowFit fitWindow(bool editing, int chosen, QSize chrome, QSize available);

}  // namespace nerilo::ui
