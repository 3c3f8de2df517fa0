// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader asks of a text: the character, word, sentence or
// line at, before or after an offset. Qt 6.4's own answer loops for ever
// for a word or sentence at the end of a text, or in a run of spaces or
// punctuation at its start, and the game froze with it; so every text
// interface the game gives answers from here instead.
#include <QAccessible>

namespace furlox {

enum class TextSide { before, at, after };

// The item of `text` of the kind `boundary` that holds `offset`, or the one
// before or after it; sets its start and end, or -1 and -1 (and returns
// nothing) where there is no such item. An offset of -1 is the end of the
// text, -2 the cursor. Items are as AT-SPI counts them from their starts:
// a word runs to the start of the next ("Player "), a line to the next
// line. At the end of the text the item is the last one, except that there
// is no character there.
QString textItem(const QString& text, int offset, int cursor, QAccessible::TextBoundaryType boundary,
                 TextSide side, int* startOffset, int* endOffset);

// A text interface whose boundary queries are textItem()'s, over its text.
class BoundedText : public QAccessibleTextInterface {
public:
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const final;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const final;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const final;
};

}  // namespace furlox
