#pragma once
// The stage-clear window: the player walks into a spotlight, the lights come
// on, five letters drop in and the banner slides in from the right. Enter,
// Space, Escape, Z or a click close it; A to Y or a click on the banner replay it.
#include <QDialog>
#include <array>

#include "game/platform.h"
#include "ui/zoom.h"

class QLabel;
class QTimer;

namespace nerilo::ui {

class ClearWindow : public QDialog {
    Q_OBJECT
public:
    ClearWindow(const ClearBanner& banner, QWidget* parent, int zoom = 1);
    int frame() const { return frame_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    void replay();
    void park(QLabel* picture, int left = 0);
    void setDark(bool dark);

    std::array<QLabel*, 5> walkers_{};  // Image1 .. Image5
    std::array<QLabel*, 5> letters_{};  // Image6 .. Image10
    QLabel* banner_ = nullptr;          // Image11
    QLabel* spotlight_ = nullptr;       // Image12
    QTimer* timer_ = nullptr;
    int frame_ = 0;
    Zoom zoom_;
};

}  // namespace nerilo::ui
