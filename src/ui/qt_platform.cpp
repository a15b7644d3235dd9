#include "ui/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <vector>

#include "ui/clear_window.h"
#include "ui/engine_text.h"
#include "ui/ending_window.h"
#include "ui/main_window.h"
#include "ui/placement.h"
#include "ui/sound_effects.h"
#include "ui/splash_window.h"

namespace nerilo::ui {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*" → Qt's "name (patterns);;name (patterns)".
// The names already show their patterns; the dialog hides Qt's copy of them
// (HideNameFilterDetails), so each reads once, as the game spells it, while
// "*.*" still matches files without a dot.
QString qtFilter(const Text& filter) {
    const QStringList parts = translated(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        entries << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

int zoomOf(const MainWindow* window) { return window ? window->zoom() : 1; }

// A message box wraps its text only where a line may break, and cuts off the
// rest of a longer run: a stage code, a long file name or path. Such a run
// gets a place to break (an invisible zero-width space) every so many letters.
QString breakable(const QString& text) {
    constexpr qsizetype LongestRun = 24;
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    QString out;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = lines.toNextBoundary();
        if (end < 0) end = text.size();
        for (qsizetype at = start; at < end; at += LongestRun) {
            if (at > start && !text[at].isLowSurrogate()) out += QChar(0x200B);
            out += text.mid(at, std::min(LongestRun, end - at));
        }
        start = end;
    }
    return out;
}

}  // namespace

QWidget* QtPlatform::parent() const { return window_; }

std::optional<Answer> QtPlatform::answerAtOnce(const Question& question) {
    if (!quiet_) return std::nullopt;
    Answer answer;
    switch (question.kind) {
    case QuestionKind::Message:
        switch (question.buttons) {
        case MsgButtons::YesNoCancel: answer.button = MsgResult::No; break;
        case MsgButtons::SaveCancel:
        case MsgButtons::OkCancel: answer.button = MsgResult::Cancel; break;
        default: answer.button = MsgResult::Ok; break;
        }
        break;
    case QuestionKind::Line:
    case QuestionKind::Lines:
    case QuestionKind::OpenFile:
    case QuestionKind::SaveFile: answer.button = MsgResult::Cancel; break;
    default: break;
    }
    return answer;
}

Answer QtPlatform::show(const Question& question) {
    Answer answer;
    switch (question.kind) {
    case QuestionKind::Message: answer.button = messageBox(question); break;
    case QuestionKind::Line: answer.text = inputBox(question.text, question.title, question.defaultText); break;
    case QuestionKind::Lines: answer.text = textBox(question.text, question.title, question.defaultText); break;
    case QuestionKind::OpenFile: answer.file = fileDialog(question.file, false); break;
    case QuestionKind::SaveFile: answer.file = fileDialog(question.file, true); break;
    case QuestionKind::StageClear: showStageClear(question.banner); break;
    case QuestionKind::Splash: showSplash(); break;
    }
    return answer;
}

MsgResult QtPlatform::messageBox(const Question& question) {
    const Text& text = question.text;
    const Text& title = question.title;
    const MsgButtons buttons = question.buttons;
    const MsgIcon icon = question.icon;
    const MsgResult onEnter = defaultAnswer(question).button;
    Centred<QMessageBox> box(placementArea(window_), parent());
    box.setWindowTitle(translated(title));
    box.setTextFormat(Qt::PlainText);  // comments come from stage files: never markup
    box.setText(breakable(translated(text)));
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        MsgResult answer;
        QPushButton* button;
    };
    std::vector<Choice> choices;
    auto add = [&](MsgResult answer, QMessageBox::StandardButton button) {
        choices.push_back({answer, box.addButton(button)});
    };
    // Qt has no 保存する beside キャンセル: those two are the session's captions.
    auto addNamed = [&](MsgResult answer, QMessageBox::ButtonRole role) {
        choices.push_back({answer, box.addButton(translated(buttonCaption(answer)), role)});
    };
    switch (buttons) {
    case MsgButtons::Ok: add(MsgResult::Ok, QMessageBox::Ok); break;
    case MsgButtons::OkCancel:
        add(MsgResult::Ok, QMessageBox::Ok);
        add(MsgResult::Cancel, QMessageBox::Cancel);
        break;
    case MsgButtons::YesNoCancel:
        add(MsgResult::Yes, QMessageBox::Yes);
        add(MsgResult::No, QMessageBox::No);
        add(MsgResult::Cancel, QMessageBox::Cancel);
        break;
    case MsgButtons::SaveCancel:
        addNamed(MsgResult::Save, QMessageBox::AcceptRole);
        addNamed(MsgResult::Cancel, QMessageBox::RejectRole);
        break;
    }
    // Escape and the window's close button answer Cancel where there is one.
    for (const Choice& choice : choices) {
        if (choice.answer == onEnter) box.setDefaultButton(choice.button);
        if (choice.answer == MsgResult::Cancel) box.setEscapeButton(choice.button);
    }
    box.exec();
    for (const Choice& choice : choices)
        if (box.clickedButton() == choice.button) return choice.answer;
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

std::optional<std::string> QtPlatform::inputBox(const Text& prompt, const Text& title, const std::string& defaultText) {
    Centred<QInputDialog> dialog(placementArea(window_), parent());
    dialog.setWindowTitle(translated(title));
    dialog.setLabelText(translated(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(q(defaultText));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

// A plain-text box about forty full-width characters wide and six lines high,
// whose long lines wrap so the whole comment shows; Enter starts a new line.
std::optional<std::string> QtPlatform::textBox(const Text& prompt, const Text& title, const std::string& defaultText) {
    Centred<QInputDialog> dialog(placementArea(window_), parent());
    dialog.setWindowTitle(translated(title));
    dialog.setLabelText(translated(prompt));
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
    QFileDialog dialog(parent(), translated(request.title));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
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


// The splash belongs to the screen, even when it shows again after 中止.
void QtPlatform::showSplash() {
    Centred<SplashWindow> splash(screenArea(window_), parent(), zoomOf(window_));
    splash.exec();
}

void QtPlatform::showStageClear(const ClearBanner& banner) {
    Centred<ClearWindow> clear(placementArea(window_), banner, parent(), zoomOf(window_));
    clear.exec();
}

void QtPlatform::showEnding(bool redLabel) {
    auto* ending = new EndingWindow(redLabel, parent(), zoomOf(window_));
    centreOn(ending, placementArea(window_));
    ending->show();
}

void QtPlatform::closeMainWindow() {
    if (window_) window_->closeAfterQuit();
}

std::string QtPlatform::executableFolder() {
    return programFolder_.empty() ? QCoreApplication::applicationDirPath().toStdString() : programFolder_;
}

void showThanks(QWidget* parent, const QRect& area) {
    Centred<QMessageBox> box(area, parent);
    box.setWindowTitle(QStringLiteral("Nerilo"));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QCoreApplication::translate("ending", "     プログラム・絵\nNerilo 開発チーム\n遊んでくれてありがとう"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtPlatform::announce(std::span<const Event> events) {
    if (sounds_) sounds_->play(events);
}

void QtPlatform::copyText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace nerilo::ui

namespace nerilo::ui {

std::optional<uint32_t> QtPlatform::todayUtc() {
    const QDate today = QDateTime::currentDateTimeUtc().date();
    return static_cast<uint32_t>(today.year() * 10000 + today.month() * 100 + today.day());
}

}  // namespace nerilo::ui
