#pragma once
// The board: draws the game's three layers exactly as the game orders them,
// and hands mouse presses on cells to the editor.
#include <QWidget>

namespace nerilo {
class Game;
}

namespace nerilo::ui {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(const Game& game, QWidget* parent);

signals:
    // A cell was clicked, or dragged over with the button held.
    void cellPressed(int cell, Qt::MouseButton button);
    // A button went down on the board, and came up again: one stroke.
    void strokeStarted();
    void strokeEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int cellAt(QPoint point) const;
    void press(QMouseEvent* event, Qt::MouseButton button);
    const Game& game_;
    int lastCell_ = -1;
};

}  // namespace nerilo::ui
