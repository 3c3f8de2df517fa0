// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/accessible_text.h"

#include <QList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>

namespace furlox {

namespace {

bool endsLine(QChar c)
{
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Where the items of a non-empty text start, in order, and its length last.
// Each position is looked at once, so nothing here can loop: the finder is
// only asked about a position, never to move on to the next boundary.
QList<int> itemStarts(const QString& text, QAccessible::TextBoundaryType boundary)
{
    const int length = int(text.size());
    std::optional<QTextBoundaryFinder> finder;
    if (boundary == QAccessible::CharBoundary)
        finder.emplace(QTextBoundaryFinder::Grapheme, text);
    else if (boundary == QAccessible::WordBoundary)
        finder.emplace(QTextBoundaryFinder::Word, text);
    else if (boundary == QAccessible::SentenceBoundary)
        finder.emplace(QTextBoundaryFinder::Sentence, text);
    QList<int> starts{0};
    for (int p = 1; p < length; ++p) {
        bool startsHere = false;
        if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
            startsHere = endsLine(text.at(p - 1));
        } else if (finder) {
            finder->setPosition(p);
            // A word starts where a letter or digit follows a boundary; the
            // spaces and punctuation after it belong to it.
            startsHere = boundary == QAccessible::WordBoundary
                             ? finder->boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem)
                             : finder->isAtBoundary();
        }
        if (startsHere)
            starts.push_back(p);
    }
    starts.push_back(length);
    return starts;
}

}  // namespace

QString textItem(const QString& text, int offset, int cursor, QAccessible::TextBoundaryType boundary,
                 TextSide side, int* startOffset, int* endOffset)
{
    *startOffset = *endOffset = -1;
    const int length = int(text.size());
    if (offset == -1)
        offset = length;
    else if (offset == -2)
        offset = cursor;
    if (length == 0 || offset < 0 || offset > length || boundary < QAccessible::CharBoundary ||
        boundary > QAccessible::NoBoundary)
        return {};
    const QList<int> starts = itemStarts(text, boundary);
    const int items = int(starts.size()) - 1;
    // The item holding the offset. At the end of the text it is the last
    // one, as GTK answers too: Orca reads the word at the caret as given
    // when it knows no earlier caret position in the box, and an empty
    // item there would be silence.
    int index = int(std::upper_bound(starts.begin(), starts.end() - 1, offset) - starts.begin()) - 1;
    if (offset == length && boundary == QAccessible::CharBoundary)
        index = items;  // past the last character
    index += side == TextSide::before ? -1 : side == TextSide::after ? 1 : 0;
    if (index < 0 || index >= items)
        return {};
    *startOffset = starts.at(index);
    *endOffset = starts.at(index + 1);
    return text.mid(*startOffset, *endOffset - *startOffset);
}

QString BoundedText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                      int* endOffset) const
{
    return textItem(text(0, characterCount()), offset, cursorPosition(), boundary, TextSide::before, startOffset,
                    endOffset);
}

QString BoundedText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                  int* endOffset) const
{
    return textItem(text(0, characterCount()), offset, cursorPosition(), boundary, TextSide::at, startOffset,
                    endOffset);
}

QString BoundedText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                     int* endOffset) const
{
    return textItem(text(0, characterCount()), offset, cursorPosition(), boundary, TextSide::after, startOffset,
                    endOffset);
}

}  // namespace furlox
