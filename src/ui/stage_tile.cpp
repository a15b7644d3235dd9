#include "ui/stage_tile.h"

#include "ui/engine_text.h"

#include <QPainter>

#include "ui/fonts.h"
#include "ui/pictures.h"

namespace nerilo::ui {
namespace {

constexpr int ThumbnailCell = 6;
constexpr int ThumbnailSide = BoardSide * ThumbnailCell;

QColor colourOf(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void drawLine(QPainter& painter, const QRect& line, const QFont& font, const QColor& colour, const QString& text) {
    painter.setFont(font);
    painter.setPen(colour);
    const QString elided = QFontMetrics(font).elidedText(text, Qt::ElideRight, line.width());
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, elided);
}

}  // namespace

QPixmap boardThumbnail(const Stage& stage) {
    QPixmap thumbnail(ThumbnailSide, ThumbnailSide);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const Pictures& pictures = Pictures::instance();
    for (int c = 0; c < CellCount; ++c) {
        const QRect cell(columnOf(c) * ThumbnailCell, rowOf(c) * ThumbnailCell, ThumbnailCell, ThumbnailCell);
        painter.drawPixmap(cell, pictures.of(groundPicture(stage.ground[c])));
        if (stage.blocks[c] != block::Empty) painter.drawPixmap(cell, pictures.of(blockPicture(stage.blocks[c])));
    }
    return thumbnail;
}

void paintTile(QPainter& painter, const QRect& rect, const StageTileView& view, const QPixmap& thumbnail,
               bool selected) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect tile = rect.adjusted(3, 3, -3, -3);
    painter.setPen(selected ? QColor(255, 255, 255) : QColor(70, 70, 90));
    painter.setBrush(selected ? QColor(60, 80, 150) : QColor(40, 40, 54));
    painter.drawRoundedRect(tile, 6, 6);

    const QRect picture(tile.center().x() - ThumbnailSide / 2, tile.top() + 6, ThumbnailSide, ThumbnailSide);
    if (thumbnail.isNull()) painter.fillRect(picture, QColor(20, 20, 24));
    else painter.drawPixmap(picture.topLeft(), thumbnail);

    QRect line(tile.left() + 4, picture.bottom() + 4, tile.width() - 8, 16);
    drawLine(painter, line, gothicFont(9, true), Qt::white, QString::fromStdString(view.heading));
    line.translate(0, 16);
    drawLine(painter, line, gothicFont(8), colourOf(view.stateColour), translated(view.state));
    line.translate(0, 15);
    drawLine(painter, line, gothicFont(8), QColor(200, 200, 210), translated(view.records));
    painter.restore();
}

}  // namespace nerilo::ui
