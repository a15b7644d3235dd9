#include "ui/editor_analysis.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/click_label.h"
#include "ui/engine_text.h"

namespace nerilo::ui {
namespace {
constexpr int ShortestLine = 1;  // the line that plays the clear
constexpr int LineCount = 5;
}  // namespace

EditorAnalysis::EditorAnalysis(QWidget* parent) : QWidget(parent), title_(new QLabel(this)) {
    setFocusPolicy(Qt::NoFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (int i = 0; i < LineCount; ++i) lines_.push_back(i == ShortestLine ? new ClickLabel(this) : new QLabel(this));
    // Colours by palette, not style sheets: a style sheet would keep the
    // labels from taking the panel's font at every zoom.
    std::vector<QLabel*> all = {title_};
    all.insert(all.end(), lines_.begin(), lines_.end());
    for (QLabel* line : all) {
        QPalette colours = line->palette();
        colours.setColor(QPalette::WindowText, line == title_ ? Qt::white : QColor(0xc0, 0xc0, 0xc0));
        if (line == lines_[ShortestLine]) colours.setColor(QPalette::WindowText, QColor(0xff, 0xdc, 0x00));
        line->setPalette(colours);
        line->setWordWrap(true);
        column->addWidget(line);
    }
    column->addStretch();
    auto* shortest = static_cast<ClickLabel*>(lines_[ShortestLine]);
    shortest->setCursor(Qt::PointingHandCursor);
    connect(shortest, &ClickLabel::clicked, this, [this] {
        if (!shown_.solution.empty()) emit solutionAsked(shown_.solution);
    });
    hide();
}

void EditorAnalysis::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) styleLines();
}

// The panel's font at its zoom, never smaller: a line too long for the panel
// wraps. The title in bold and the shortest clear underlined, as a link.
void EditorAnalysis::styleLines() {
    QFont bold = font(), link = font();
    bold.setBold(true);
    link.setUnderline(true);
    title_->setFont(bold);
    lines_[ShortestLine]->setFont(link);
}

void EditorAnalysis::show(const AnalysisPanelView& view) {
    if (isVisible() != view.shown) setVisible(view.shown);
    shown_ = view;
    retranslate();
}

void EditorAnalysis::retranslate() {
    title_->setText(translated(shown_.title));
    for (size_t i = 0; i < lines_.size(); ++i) {
        const QString text = i < shown_.lines.size() ? translated(shown_.lines[i]) : QString();
        if (lines_[i]->text() != text) lines_[i]->setText(text);
    }
}

QStringList EditorAnalysis::lines() const {
    QStringList said;
    for (const QLabel* line : lines_) said << line->text();
    return said;
}

}  // namespace nerilo::ui
