#include "ui/stage_list_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/engine_text.h"
#include "ui/thread_runner.h"
#include "ui/stage_tile.h"

namespace nerilo::ui {

// Draws each item of the grid as its stage's tile.
class StageTileDelegate : public QStyledItemDelegate {
public:
    explicit StageTileDelegate(StageListWindow& window) : QStyledItemDelegate(&window), window_(window) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const size_t i = static_cast<size_t>(index.row());
        const StageListEntry& entry = window_.entries_[i];
        const ShortestLength shortest =
            entry.readable() ? window_.game_.searches().shortestLength(entry.fingerprint, entry.stage) : ShortestLength{false, {}};
        paintTile(*painter, option.rect, tileViewOf(entry, shortest.presses, shortest.searching), window_.thumbnails_[i],
                  option.state & QStyle::State_Selected);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {TileWidth, TileHeight}; }

private:
    StageListWindow& window_;
};

StageListWindow::StageListWindow(std::vector<StageListEntry> entries, Game& game, ThreadRunner& runner, int current,
                                 QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)), game_(game) {
    setWindowTitle(tr("ステージ一覧"));
    QPalette night = palette();
    night.setColor(QPalette::Window, QColor(24, 24, 32));
    night.setColor(QPalette::Base, QColor(24, 24, 32));
    night.setColor(QPalette::WindowText, Qt::white);
    setPalette(night);

    grid_ = new QListWidget(this);
    grid_->setObjectName(QStringLiteral("stageGrid"));
    grid_->setViewMode(QListView::IconMode);
    grid_->setMovement(QListView::Static);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setUniformItemSizes(true);
    grid_->setGridSize({TileWidth, TileHeight});
    grid_->setFrameShape(QFrame::NoFrame);
    grid_->setItemDelegate(new StageTileDelegate(*this));
    for (StageListEntry& entry : entries_) {
        thumbnails_.push_back(entry.readable() ? boardThumbnail(entry.stage) : QPixmap());
        auto* item = new QListWidgetItem(QString::fromStdString(std::to_string(entry.number)), grid_);
        // The title is taken from the comment as the player reads it, in his language.
        const QString comment = translated(entry.readable() ? Text(StageCommentContext, entry.stage.comment) : entry.error);
        if (entry.readable()) entry.title = stageTitleOf(comment.toStdString());
        item->setToolTip(comment);
        // A stage that cannot be read cannot be chosen.
        if (!entry.readable()) item->setFlags(Qt::NoItemFlags);
    }

    openButton_ = new QPushButton(tr("開く"), this);
    replayButton_ = new QPushButton(tr("リプレイ"), this);
    auto* closeButton = new QPushButton(tr("閉じる"), this);
    // Enter belongs to the grid, which opens the stage; no button takes it.
    for (QPushButton* button : {openButton_, replayButton_, closeButton}) button->setAutoDefault(false);
    replayButton_->setToolTip(tr("この面の最少記録のクリアを再生します。"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(openButton_);
    buttons->addWidget(replayButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    // Ten stages a row: the three rows of ten, on a screen with room for them.
    resize(10 * TileWidth + 40, 3 * TileHeight + 70);
    if (const QScreen* shown = parent ? parent->screen() : QGuiApplication::primaryScreen())
        resize(size().boundedTo(shown->availableGeometry().size() * 0.9));

    connect(grid_, &QListWidget::activated, this, [this] { choose(Choice::Open); });
    connect(grid_, &QListWidget::currentRowChanged, this, [this] { selectionChanged(); });
    connect(openButton_, &QPushButton::clicked, this, [this] { choose(Choice::Open); });
    connect(replayButton_, &QPushButton::clicked, this, [this] { choose(Choice::Replay); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(&runner, &ThreadRunner::reported, grid_->viewport(), qOverload<>(&QWidget::update));

    if (current >= 1 && current <= static_cast<int>(entries_.size()) && entries_[static_cast<size_t>(current - 1)].readable())
        grid_->setCurrentRow(current - 1);
    selectionChanged();
    grid_->setFocus();
}

const StageListEntry* StageListWindow::selected() const {
    const int row = grid_->currentRow();
    if (row < 0 || !grid_->currentItem()->isSelected() || !entries_[static_cast<size_t>(row)].readable()) return nullptr;
    return &entries_[static_cast<size_t>(row)];
}

void StageListWindow::selectionChanged() {
    const StageListEntry* entry = selected();
    openButton_->setEnabled(entry != nullptr);
    replayButton_->setEnabled(entry && entry->hasReplay());
}

void StageListWindow::choose(Choice choice) {
    const StageListEntry* entry = selected();
    if (!entry) return;
    if (choice == Choice::Replay && !entry->hasReplay()) return;
    choice_ = choice;
    chosen_ = entry->number - 1;
    accept();
}

}  // namespace nerilo::ui
