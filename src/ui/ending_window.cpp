#include "ui/ending_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "board/picture.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/qt_platform.h"

namespace nerilo::ui {
namespace {
constexpr int WindowWidth = 7755, WindowHeight = 4710;
constexpr int WalkLeft[4] = {11, 12, 11, 13}, WalkTowards[4] = {2, 3, 2, 4}, WalkAway[4] = {5, 6, 5, 7};
}  // namespace

EndingWindow::EndingWindow(bool redLabel, QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(px(WindowWidth), px(WindowHeight));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    label_ = new QLabel(QStringLiteral("wonderful!"), this);
    label_->setFont(popFont(40));
    label_->setAlignment(Qt::AlignCenter);
    label_->setStyleSheet(redLabel ? QStringLiteral("color: rgb(255,0,0); background: transparent;")
                                   : QStringLiteral("color: rgb(0,160,0); background: transparent;"));
    label_->setGeometry(px(120), px(360), px(7575), px(1455));
    label_->hide();
    label_->installEventFilter(this);

    walker_ = new QLabel(this);
    walker_->setScaledContents(true);
    walker_->installEventFilter(this);
    placeWalker();

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &EndingWindow::tick);
    timer_->start();
}

bool EndingWindow::running() const { return timer_->isActive(); }

void EndingWindow::placeWalker() { walker_->setGeometry(px(left_), px(top_), std::max(1, px(width_)), std::max(1, px(height_))); }

void EndingWindow::tick() {
    const int f = ++frame_;
    const Pictures& pictures = Pictures::instance();
    if (f <= 25) {
        left_ -= 120;
        walker_->setPixmap(pictures.of(playerPicture(WalkLeft[f % 4])));
    } else if (f <= 52) {
        walker_->setPixmap(pictures.of(playerPicture(WalkTowards[f % 4])));
        width_ += width_ / 8;
        height_ += height_ / 8;
    } else if (f == 53) {
        label_->show();
    } else if (f <= 100) {
        walker_->setPixmap(pictures.of(playerPicture(WalkAway[f % 4])));
        width_ -= width_ / 8;
        height_ -= height_ / 8;
    } else {
        timer_->stop();
    }
    if (f >= 26 && f != 53 && f <= 100) {
        left_ = WindowWidth / 2 - width_ / 2;
        top_ = WindowHeight / 2 - height_ / 2;
    }
    placeWalker();
}

void EndingWindow::finishOnInput() {
    if (running()) return;
    showThanks(this);
    close();
}

void EndingWindow::keyPressEvent(QKeyEvent*) { finishOnInput(); }
void EndingWindow::mousePressEvent(QMouseEvent*) { finishOnInput(); }

bool EndingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == walker_) showThanks(this);
        else finishOnInput();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace nerilo::ui
