#pragma once
// Where the game's windows open, the same with or without a window manager:
// centred on the main window while it is shown, otherwise (the splash, the
// messages of the start-up) on the screen's available area.
#include <QRect>
#include <QShowEvent>
#include <QWidget>

namespace nerilo::ui {

// The main window's frame while it is shown, else the available area of its screen.
QRect placementArea(const QWidget* mainWindow);
// The available area of the screen the main window is on (or will be).
QRect screenArea(const QWidget* mainWindow);
// A frame of size `outer` centred on `centre`, moved the least to lie in
// `area` (an empty area: anywhere); one larger than the area keeps its
// top-left corner in it.
QRect frameCentredOn(QPointF centre, QSize outer, const QRect& area);
// Moves a top-level window so that its frame is centred on area, and kept on the screen.
void centreOn(QWidget* window, const QRect& area);

// A dialog that centres itself on an area when it is shown, once it has taken
// its final size (a message box sizes itself to its text only then) and before
// it appears, so it never jumps.
template <class Dialog>
class Centred : public Dialog {
public:
    template <class... Args>
    explicit Centred(const QRect& area, Args&&... args) : Dialog(std::forward<Args>(args)...), area_(area) {}

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        centreOn(this, area_);
    }

private:
    QRect area_;
};

}  // namespace nerilo::ui
