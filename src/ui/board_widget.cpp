#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "board/drawing_order.h"
#include "board/game.h"
#include "ui/pictures.h"

namespace nerilo::ui {

BoardWidget::BoardWidget(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setFixedSize(px(BoardSide * CellPitch), px(BoardSide * CellPitch));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const Pictures& pictures = Pictures::instance();
    for (int c = 0; c < CellCount; ++c)
        painter.drawPixmap(px(cellLeft(c)), px(cellTop(c)), pictures.of(groundPicture(game_.state().ground[c].code)));
    // Blocks may stand outside the grid in mid-step; the widget clips them.
    for (const DrawItem& item : drawingOrder(game_.state())) painter.drawPixmap(px(item.left), px(item.top), pictures.of(item.picture));
}

int BoardWidget::cellAt(QPoint point) const {
    const int pitch = px(CellPitch);
    const int column = point.x() / pitch, row = point.y() / pitch;
    if (point.x() < 0 || point.y() < 0 || column >= BoardSide || row >= BoardSide) return -1;
    return row * BoardSide + column;
}

void BoardWidget::press(QMouseEvent* event, Qt::MouseButton button) {
    const int cell = cellAt(event->position().toPoint());
    if (cell < 0 || cell == lastCell_) return;
    lastCell_ = cell;
    emit cellPressed(cell, button);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    lastCell_ = -1;
    emit strokeStarted();
    press(event, event->button());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) emit strokeEnded();
}

// Dragging with a button held paints every cell passed over, so a wall is drawn in one stroke.
void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) press(event, Qt::LeftButton);
    else if (event->buttons() & Qt::RightButton) press(event, Qt::RightButton);
}

}  // namespace nerilo::ui
