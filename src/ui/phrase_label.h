#pragma once
// A label whose text wraps at its width with Japanese broken only between
// phrases. Qt's word wrap breaks Japanese between any two characters, inside
// words (「ク / リア」, 「戻 / せます」); this label paints its text with word
// joiners wherever a line must not break, and text() stays the text as set.
#include <QLabel>

namespace nerilo::ui {

// Where a Japanese line may break: after a space that comes before a word in
// Latin letters or digits (a space before kana or kanji binds, as in
// 「Delete で」 and 「11 手」), after punctuation (「：」「。」), where hiragana
// end before kanji, katakana or Latin (「ここからは / クリア」, 「Backspace で /
// 戻せます」), and where the text marks it with a zero-width space (U+200B),
// as between the katakana and hiragana of 「クリア / できません」. Everywhere
// else a word joiner (U+2060) keeps the line whole. A text without Japanese
// comes back as it is.
QString keepPhrasesWhole(const QString& text);

class PhraseLabel : public QLabel {
    Q_OBJECT
public:
    // In a colour of its own, set by palette: a style sheet would keep it from
    // taking its font at every zoom. Aligned to the top left.
    PhraseLabel(QWidget* parent, const QColor& colour);
    // The text as it is painted.
    QString shownText() const { return keepPhrasesWhole(text()); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace nerilo::ui
