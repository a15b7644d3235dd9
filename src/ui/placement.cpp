#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace nerilo::ui {

QRect screenArea(const QWidget* mainWindow) {
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect placementArea(const QWidget* mainWindow) {
    if (mainWindow && mainWindow->isVisible()) return mainWindow->frameGeometry();
    return screenArea(mainWindow);
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
    const QSize outer = window->size() + frame;
    QPoint topLeft = area.center() - QPoint(outer.width() / 2, outer.height() / 2) + QPoint(1, 1);
    const QRect screen = screenArea(window->parentWidget() ? window->parentWidget()->window() : window);
    if (!screen.isEmpty()) {
        topLeft.setX(std::max(screen.left(), std::min(topLeft.x(), screen.right() + 1 - outer.width())));
        topLeft.setY(std::max(screen.top(), std::min(topLeft.y(), screen.bottom() + 1 - outer.height())));
    }
    window->move(topLeft);
}

}  // namespace nerilo::ui
