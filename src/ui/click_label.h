#pragma once
// A label that reacts to a click, as the panel's label buttons and the palette
// entries do. It takes no keyboard focus, so the arrows reach the game.
#include <QLabel>
#include <QMouseEvent>

namespace nerilo::ui {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setFocusPolicy(Qt::NoFocus); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit clicked();
    }
};

}  // namespace nerilo::ui
