#include "ui/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "view/drawing_order.h"
#include "game/game.h"
#include "ui/pictures.h"

namespace nerilo::ui {
namespace {
constexpr int ArtPixelsPerCell = CellPitch / UnitsPerPixel;
constexpr int BoardArtPixels = BoardSide * ArtPixelsPerCell;
const QColor Surround(24, 24, 32);  // the panel's background

// Paints the board from the painter's origin with each art pixel as factor ×
// factor pixels of the painter's device.
void paintBoard(QPainter& painter, const WorldState& state, const Drawing& drawing, int factor) {
    const Pictures& pictures = Pictures::instance();
    for (int c = 0; c < CellCount; ++c)
        painter.drawPixmap(px(cellLeft(c)) * factor, px(cellTop(c)) * factor,
                           pictures.of(groundPicture(state.ground[c].code), factor));
    for (const DrawItem& item : drawingOrder(state, drawing))
        painter.drawPixmap(px(item.left) * factor, px(item.top) * factor, pictures.of(item.picture, factor));
}
}  // namespace

BoardWidget::BoardWidget(const Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setZoom(1);
}

void BoardWidget::setZoom(int zoom) {
    zoom_ = zoom;
    setFixedSize(BoardArtPixels * zoom, BoardArtPixels * zoom);
    update();
}

// On a screen whose device pixel ratio is not a whole number (1.25, 1.5) the
// zoomed board is not a whole number of device pixels per art pixel; it is then
// drawn at the largest whole number that fits, centred, so it stays sharp.
BoardWidget::DeviceLayout BoardWidget::deviceLayout() const {
    const double ratio = devicePixelRatioF();
    const int factor = devicePixelsPerArtPixel(zoom_, ratio);
    const int deviceSide = static_cast<int>(std::lround(width() * ratio));
    return {ratio, factor, std::max(0, (deviceSide - BoardArtPixels * factor) / 2)};
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const DeviceLayout layout = deviceLayout();
    // From here on the painter works in device pixels.
    painter.setWorldTransform(QTransform::fromScale(1 / layout.ratio, 1 / layout.ratio));
    const int side = BoardArtPixels * layout.factor;
    if (layout.margin > 0) {
        painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size()) * layout.ratio), Surround);
        painter.translate(layout.margin, layout.margin);
    }
    // Blocks may stand outside the grid in mid-step; they are clipped to it.
    painter.setClipRect(0, 0, side, side);
    const ShownBoard shown = shownBoard(game_, circuitPreview_);
    paintBoard(painter, shown.state, shown.drawing, layout.factor);
    paintHint(painter, layout.factor);
}

void BoardWidget::setCircuitPreview(bool on) {
    circuitPreview_ = on;
    update();
}

void BoardWidget::showHint(const HintArrow& arrow) {
    hintCell_ = arrow.cell;
    hint_ = arrow;
    update();
}

void BoardWidget::clearHint() {
    if (hintCell_ < 0) return;
    hintCell_ = -1;
    update();
}

// A thick yellow arrow from the middle of the player's cell into the next one,
// outlined in black so it reads on every tile. Shift+arrow also acts on the
// cell ahead: a bar stands across the arrow's tip, in that cell.
void BoardWidget::paintHint(QPainter& painter, int factor) const {
    if (hintCell_ < 0) return;
    const double pitch = ArtPixelsPerCell * factor;
    const QPointF centre((columnOf(hintCell_) + 0.5) * pitch, (rowOf(hintCell_) + 0.5) * pitch);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    if (hint_.direction < 0) {
        shape.addEllipse(centre, pitch * 0.55, pitch * 0.55);
        shape.addEllipse(centre, pitch * 0.4, pitch * 0.4);
    } else {
        // Pointing right, then turned to the direction of the press.
        QPolygonF arrow({{0.1, -0.12}, {0.7, -0.12}, {0.7, -0.3}, {1.1, 0}, {0.7, 0.3}, {0.7, 0.12}, {0.1, 0.12}});
        constexpr double Turn[] = {180, 0, 270, 90};  // Left, Right, Up, Down
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.rotate(Turn[hint_.direction]);
        place.scale(pitch, pitch);
        shape.addPolygon(place.map(arrow));
        shape.closeSubpath();
        if (hint_.acting) {
            shape.addPolygon(place.map(QPolygonF(QRectF(1.18, -0.36, 0.14, 0.72))));
            shape.closeSubpath();
        }
    }
    painter.setPen(QPen(Qt::black, factor));
    painter.setBrush(QColor(255, 220, 0, 220));
    painter.drawPath(shape);
    painter.restore();
}

int BoardWidget::cellAt(QPointF point) const {
    const DeviceLayout layout = deviceLayout();
    const int pitch = ArtPixelsPerCell * layout.factor;
    const int x = static_cast<int>(std::floor(point.x() * layout.ratio)) - layout.margin;
    const int y = static_cast<int>(std::floor(point.y() * layout.ratio)) - layout.margin;
    if (x < 0 || y < 0 || x / pitch >= BoardSide || y / pitch >= BoardSide) return -1;
    return (y / pitch) * BoardSide + x / pitch;
}

void BoardWidget::press(QMouseEvent* event, Qt::MouseButton button) {
    const int cell = cellAt(event->position());
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
