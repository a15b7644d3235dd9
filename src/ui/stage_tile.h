#pragma once
// One stage of the stage list drawn as a tile: a small drawing of its board
// as loaded, its number and title, whether it is cleared, and the records.
#include <QPixmap>
#include <QRect>

#include "view/stage_list.h"

class QPainter;

namespace nerilo::ui {

constexpr int TileWidth = 136;
constexpr int TileHeight = 173;

// The board as loaded, before Start: ground and blocks at their cells, 6 pixels a cell.
QPixmap boardThumbnail(const Stage& stage);

void paintTile(QPainter& painter, const QRect& rect, const StageTileView& view, const QPixmap& thumbnail,
               bool selected);

}  // namespace nerilo::ui
