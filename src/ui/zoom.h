#pragma once
// The window's integer zoom. Sizes and positions are kept in board units, 15 to
// a pixel at 1×; at zoom z every one is px(units) × z, so each art pixel of the
// 32 × 32 pictures is a whole z × z square and the pictures stay sharp.
#include <QFont>
#include <QRect>
#include <QSize>

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

// The largest zoom at which a window whose client area is `client` at 1×, with
// `chrome` (menu bar, frame) around it at every zoom, fits in `available`; 1 when none does.
int fittingZoom(QSize client, QSize chrome, QSize available);

}  // namespace nerilo::ui
