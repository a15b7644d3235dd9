#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace nerilo::ui {

QRect screenArea(const QWidget* mainWindow) {
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect placementArea(const QWidget* mainWindow) {
    if (mainWindow && mainWindow->isVisible()) return mainWindow->frameGeometry();
    return screenArea(mainWindow);
}

QRect frameCentredOn(QPointF centre, QSize outer, const QRect& area) {
    QPoint topLeft = (centre - QPointF(outer.width(), outer.height()) / 2).toPoint();
    if (!area.isEmpty()) {
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - outer.width())));
        topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - outer.height())));
    }
    return {topLeft, outer};
}

void centreOn(QWidget* window, const QRect& area) {
    if (area.isEmpty()) return;
    // Before a window is first shown its frame is unknown; the frame of a shown
    // sibling with the same decorations is the best guess.
    QSize frame = window->frameGeometry().size() - window->size();
    if (frame.isEmpty() && !(window->windowFlags() & Qt::FramelessWindowHint)) {
        if (const QWidget* parent = window->parentWidget(); parent && parent->window()->isVisible())
            frame = parent->window()->frameGeometry().size() - parent->window()->size();
    }
    const QRect screen = screenArea(window->parentWidget() ? window->parentWidget()->window() : window);
    window->move(frameCentredOn(area.toRectF().center(), window->size() + frame, screen).topLeft());
}

}  // namespace nerilo::ui
