#pragma once
// The palette pictures (ground, blocks, player frames) and the pictures of the
// clear windows, built into the program as resources.
#include <QPixmap>
#include <array>

#include "board/codes.h"
#include "board/picture.h"

namespace nerilo::ui {

class Pictures {
public:
    static const Pictures& instance();

    const QPixmap& of(Picture picture) const;
    const QPixmap& walking(int frame) const { return walking_[frame]; }  // the clear window's five frames
    const QPixmap& banner() const { return banner_; }
    const QPixmap& spotlight() const { return spotlight_; }

private:
    Pictures();
    std::array<QPixmap, GroundCodeCount> ground_;
    std::array<QPixmap, BlockCodeCount> blocks_;
    std::array<QPixmap, PlayerFrameCount> frames_;
    std::array<QPixmap, 5> walking_;
    QPixmap banner_, spotlight_, none_;
};

// Positions and sizes are kept in board units; the window shows 15 to a pixel.
constexpr int UnitsPerPixel = 15;
constexpr int px(int units) { return units / UnitsPerPixel; }

}  // namespace nerilo::ui
