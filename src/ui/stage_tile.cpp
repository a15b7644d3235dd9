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

// A line of the tile at its font's size, or smaller until it fits the tile.
void drawLine(QPainter& painter, const QRect& line, const QFont& font, const QColor& colour, const QString& text) {
    painter.setFont(fittingFont(font, {text}, line.width()));
    painter.setPen(colour);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, text);
}

// The number and title in two lines at most, wrapped between words (a long
// English title needs them), or smaller until they fit.
void drawHeading(QPainter& painter, const QRect& box, QFont font, const QString& text) {
    constexpr int Flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    const auto fits = [&](const QFont& f) {
        const QRect needed = QFontMetrics(f).boundingRect(box, Flags, text);
        return needed.height() <= box.height() && needed.width() <= box.width();
    };
    while (font.pointSizeF() > 5 && !fits(font)) font.setPointSizeF(font.pointSizeF() - 0.5);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(box, Flags, text);
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

    const QRect heading(tile.left() + 4, picture.bottom() + 4, tile.width() - 8, 31);
    drawHeading(painter, heading, gothicFont(9, true), QString::fromStdString(view.heading));
    QRect line(heading.left(), heading.bottom() + 1, heading.width(), 16);
    drawLine(painter, line, gothicFont(8), colourOf(view.stateColour), translated(view.state));
    line.translate(0, 15);
    drawLine(painter, line, gothicFont(8), QColor(200, 200, 210), translated(view.records));
    painter.restore();
}

}  // namespace nerilo::ui
