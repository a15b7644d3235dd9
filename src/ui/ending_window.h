#pragma once
// The ending window: the player walks in, comes towards the viewer, "wonderful!"
// appears and he walks away, over 101 frames; then a key or a click shows the
// thank-you message and closes it.
#include <QWidget>

#include "model/picture.h"
#include "ui/zoom.h"

class QLabel;
class QTimer;

namespace nerilo::ui {

class EndingWindow : public QWidget {
    Q_OBJECT
public:
    EndingWindow(bool redLabel, QWidget* parent, int zoom = 1);
    int frame() const { return frame_; }
    bool running() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    void placeWalker();
    void finishOnInput();

    QLabel* walker_ = nullptr;  // NRL
    QLabel* label_ = nullptr;   // "wonderful!"
    QTimer* timer_ = nullptr;
    int frame_ = 0;
    Zoom zoom_;
    Picture walkerPicture_ = NoPicture;  // none until the first frame
    // The walker's geometry in board units, with the scene's integer steps.
    int left_ = 6720, top_ = 2280, width_ = 495, height_ = 495;
};

}  // namespace nerilo::ui
