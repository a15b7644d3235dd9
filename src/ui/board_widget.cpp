#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "board/drawing_order.h"
#include "board/form1.h"
#include "ui/pictures.h"

namespace nerilo::ui {

BoardWidget::BoardWidget(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(px(BoardSide * CellPitch), px(BoardSide * CellPitch));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const Pictures& pictures = Pictures::instance();
    for (int c = 0; c < CellCount; ++c)
        painter.drawPixmap(px(cellLeft(c)), px(cellTop(c)), pictures.of(Jtip(form_.Ji[c].code)));
    // Blocks may stand outside the grid in mid-step; the widget clips them.
    for (const DrawItem& item : drawingOrder(form_)) painter.drawPixmap(px(item.left), px(item.top), pictures.of(item.picture));
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
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    const int vbButton = button == Qt::RightButton ? 2 : button == Qt::MiddleButton ? 4 : 1;
    emit cellPressed(cell, vbButton, shift);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    lastCell_ = -1;
    press(event, event->button());
}

// Dragging with a button held paints every cell passed over, so a wall is drawn in one stroke.
void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) press(event, Qt::LeftButton);
    else if (event->buttons() & Qt::RightButton) press(event, Qt::RightButton);
}

}  // namespace nerilo::ui
