#pragma once
// The palette pictures (ground, blocks, player frames) and the pictures of the
// clear windows, built into the program as resources. Each is also kept scaled
// up, nearest-neighbour, for every zoom in use, so painting never scales.
#include <QPixmap>
#include <array>
#include <map>
#include <utility>

class QWidget;

#include "model/codes.h"
#include "model/picture.h"
#include "ui/zoom.h"

namespace nerilo::ui {

class Pictures {
public:
    static const Pictures& instance();

    // A picture with each art pixel drawn as factor × factor device pixels, for
    // a screen of this device pixel ratio. Built on first use, then kept.
    const QPixmap& of(Picture picture, int factor = 1, double ratio = 1) const;
    const QPixmap& walking(int frame, int factor = 1, double ratio = 1) const;  // the clear window's five frames
    const QPixmap& banner(int factor = 1, double ratio = 1) const;
    const QPixmap& spotlight(int factor = 1, double ratio = 1) const;

private:
    struct Set {
        std::array<QPixmap, GroundCodeCount> ground;
        std::array<QPixmap, BlockCodeCount> blocks;
        std::array<QPixmap, PlayerFrameCount> frames;
        std::array<QPixmap, 5> walking;
        QPixmap banner, spotlight;
    };
    Pictures();
    const Set& set(int factor, double ratio) const;

    Set natural_;
    mutable std::map<std::pair<int, double>, Set> scaled_;
    QPixmap none_;
};

// How a window shows pictures at a zoom: whole device pixels per art pixel on
// its screen, and that screen's device pixel ratio.
struct PictureScale {
    int factor = 1;
    double ratio = 1;
};
PictureScale pictureScale(const QWidget* widget, int zoom);

}  // namespace nerilo::ui
