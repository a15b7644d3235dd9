#pragma once
// The splash: the title, the player drawn large and the version; it closes
// after two seconds, on a key or on a click.
#include <QDialog>

class QLabel;

namespace nerilo::ui {

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent, int zoom = 1);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void retranslate();
    QLabel* version_ = nullptr;
};

}  // namespace nerilo::ui
