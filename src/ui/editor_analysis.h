#pragma once
// The editor's analysis panel: whether the board as a round would start on it
// clears, the shortest clear, the positions, the share of dead ends and the
// first one's depth, as the session's search found them (view/searches_view.h).
// A click on the shortest clear plays it in test play.
#include <QWidget>
#include <string>

#include "view/searches_view.h"

class QLabel;

namespace nerilo::ui {

class ClickLabel;

class EditorAnalysis : public QWidget {
    Q_OBJECT
public:
    explicit EditorAnalysis(QWidget* parent);
    // Shows the panel as the view says, in the current language.
    void show(const AnalysisPanelView& view);
    // The shortest clear shown, or empty.
    const std::string& solution() const { return shown_.solution; }
    // The panel's lines, for tests: verdict, shortest, positions, dead ends, first dead end.
    QStringList lines() const;
    void retranslate();

signals:
    // The shortest clear was clicked.
    void solutionAsked(const std::string& keys);

protected:
    void changeEvent(QEvent* event) override;

private:
    void styleLines();
    QLabel* title_;
    std::vector<QLabel*> lines_;  // the view's lines, in its order
    AnalysisPanelView shown_;
};

}  // namespace nerilo::ui
