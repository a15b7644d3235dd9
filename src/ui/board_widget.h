#pragma once
// The board: draws the model's three layers exactly as the model orders them,
// and hands mouse presses on cells to the editor.
#include <QWidget>

namespace nerilo {
class Form1;
}

namespace nerilo::ui {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(Form1& form, QWidget* parent);

signals:
    // A cell was clicked (or dragged over with a button held): VB-style button 1 left, 2 right.
    void cellPressed(int cell, int button, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int cellAt(QPoint point) const;
    void press(QMouseEvent* event, Qt::MouseButton button);
    Form1& form_;
    int lastCell_ = -1;
};

}  // namespace nerilo::ui
