#include "ui/phrase_label.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace nerilo::ui {
namespace {

constexpr char16_t PhraseMark = 0x200B;   // zero-width space
constexpr char16_t WordJoiner = 0x2060;

// Kana, kanji, CJK punctuation and the full-width forms.
bool isJapanese(char16_t u) {
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x31F0 && u <= 0x31FF) || (u >= 0x3400 && u <= 0x4DBF) ||
           (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

enum class Kind { Space, Mark, Closing, Hiragana, Word, Latin };

Kind kindOf(char16_t u) {
    if (u == u' ' || u == 0x3000) return Kind::Space;
    if (u == PhraseMark) return Kind::Mark;
    if (std::u16string_view(u"、。，．：；！？）」』】〕…").find(u) != std::u16string_view::npos) return Kind::Closing;
    if (u >= 0x3041 && u <= 0x309F) return Kind::Hiragana;
    return isJapanese(u) ? Kind::Word : Kind::Latin;
}

bool mayBreakBetween(Kind before, Kind after) {
    switch (before) {
    case Kind::Mark: return true;
    case Kind::Space: return after == Kind::Latin || after == Kind::Space;
    case Kind::Closing: return after != Kind::Closing;
    case Kind::Hiragana: return after == Kind::Word || after == Kind::Latin;
    default: break;
    }
    // Qt never breaks before a space or a zero-width space.
    return after == Kind::Space || after == Kind::Mark;
}

}  // namespace

QString keepPhrasesWhole(const QString& text) {
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return isJapanese(c.unicode()); })) return text;
    QString shown;
    shown.reserve(text.size() * 2);
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (k > 0) {
            const Kind before = kindOf(text[k - 1].unicode()), after = kindOf(text[k].unicode());
            // Between two Latin characters Qt breaks only where English does.
            const bool latin = before == Kind::Latin && after == Kind::Latin;
            if (!latin && !mayBreakBetween(before, after)) shown += QChar(WordJoiner);
        }
        shown += text[k];
    }
    return shown;
}

PhraseLabel::PhraseLabel(QWidget* parent, const QColor& colour) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void PhraseLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextWordWrap;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), shownText(), foregroundRole());
}

}  // namespace nerilo::ui
