#pragma once
// The board: draws the game's three layers exactly as the game orders them,
// and hands mouse presses on cells to the editor.
#include <QWidget>

#include "view/searches_view.h"

class QPainter;

namespace nerilo {
class Game;
struct WorldState;
}  // namespace nerilo

namespace nerilo::ui {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(const Game& game, QWidget* parent);
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    // Draws a hint over the board: an arrow from `cell` for an arrow press,
    // with a bar across its tip for Shift+arrow (a ring for the action key),
    // until clearHint().
    void showHint(const HintArrow& arrow);
    void clearHint();
    // While editing, the board as a round would start on it: power, beams and
    // their marks, blasts (Editor::plainTestWorld()); off, the painted codes alone.
    void setCircuitPreview(bool on);
    bool circuitPreview() const { return circuitPreview_; }

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
    // Where the board's device pixels start inside the widget, and how many
    // device pixels an art pixel takes on the current screen.
    struct DeviceLayout {
        double ratio;
        int factor;
        int margin;
    };
    DeviceLayout deviceLayout() const;
    int cellAt(QPointF point) const;
    void press(QMouseEvent* event, Qt::MouseButton button);
    void paintHint(QPainter& painter, int factor) const;
    const Game& game_;
    int zoom_ = 1;
    int hintCell_ = -1;
    HintArrow hint_;
    int lastCell_ = -1;
    bool circuitPreview_ = true;
};

}  // namespace nerilo::ui
