#include "ui/qt_platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/clear_window.h"
#include "ui/ending_window.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"

namespace nerilo::ui {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*" → Qt's "name (patterns);;name (patterns)".
QString qtFilter(const std::string& filter) {
    const QStringList parts = q(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        entries << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace

QWidget* QtPlatform::parent() const { return window_; }

MsgResult QtPlatform::messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) {
    if (quiet_) {
        switch (buttons) {
        case MsgButtons::YesNoCancel: return MsgResult::No;
        case MsgButtons::SaveCancel: return MsgResult::Cancel;
        default: return MsgResult::Ok;
        }
    }
    QMessageBox box(parent());
    box.setWindowTitle(q(title));
    box.setTextFormat(Qt::PlainText);  // comments come from stage files: never markup
    box.setText(q(text));
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::SaveCancel: {
        // A warning: Enter and Escape both keep the file unwritten.
        QPushButton* save = box.addButton(QStringLiteral("保存する"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == save ? MsgResult::Save : MsgResult::Cancel;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: return MsgResult::Ok;
    }
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(parent(), q(title), q(prompt), QLineEdit::Normal, q(defaultText), &ok);
    return ok ? text.toStdString() : std::string();
}

// A plain-text box about forty full-width characters wide and six lines high,
// whose long lines wrap so the whole comment shows; Enter starts a new line.
std::optional<std::string> QtPlatform::textBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    QInputDialog dialog(parent());
    dialog.setWindowTitle(q(title));
    dialog.setLabelText(q(prompt));
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.setTextValue(q(defaultText));
    if (auto* edit = dialog.findChild<QPlainTextEdit*>()) {
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        const QFontMetrics metrics(edit->font());
        edit->setMinimumSize(metrics.horizontalAdvance(QChar(0x3042)) * 40, metrics.lineSpacing() * 6 +
                                                                                  2 * edit->frameWidth() + 8);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<FileChoice> QtPlatform::fileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent(), q(request.title));
    dialog.setNameFilter(qtFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QFileInfo last(q(request.fileName));
    if (!request.fileName.empty() && last.isAbsolute()) {
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    } else {
        dialog.setDirectory(q(request.initialFolder));
        if (!request.fileName.empty()) dialog.selectFile(q(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QFileInfo chosen(dialog.selectedFiles().first());
    return FileChoice{chosen.absoluteFilePath().toStdString(), chosen.fileName().toStdString()};
}

std::optional<FileChoice> QtPlatform::openFileDialog(const FileDialogRequest& request) { return fileDialog(request, false); }
std::optional<FileChoice> QtPlatform::saveFileDialog(const FileDialogRequest& request) { return fileDialog(request, true); }

void QtPlatform::showSplash() {
    if (quiet_) return;
    SplashWindow splash(parent());
    splash.exec();
}

void QtPlatform::showStageClear(const ClearBanner& banner) {
    ClearWindow clear(banner, parent());
    clear.exec();
}

void QtPlatform::showEnding(bool redLabel) {
    auto* ending = new EndingWindow(redLabel, parent());
    ending->show();
}

void QtPlatform::closeMainWindow() {
    if (window_) window_->closeAfterQuit();
}

std::string QtPlatform::executableFolder() {
    return programFolder_.empty() ? QCoreApplication::applicationDirPath().toStdString() : programFolder_;
}

void showThanks(QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Nerilo"));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QStringLiteral("     プログラム・絵\nNerilo 開発チーム\n遊んでくれてありがとう"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace nerilo::ui
