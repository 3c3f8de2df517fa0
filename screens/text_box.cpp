// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/text_box.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>

#include "screens/accessible_text.h"

namespace furlox {

namespace {

// What a screen reader gets from a text box: Qt's own interface, but with
// the text reported as one run of attributes. Qt 6.4 answers every offset
// with an empty run, and Orca, merging those runs to split a line by
// language, reads all but the last character: "999" was heard as "99",
// "100" as "10", "QX Player One" as "QX Player On". Its words and sentences
// are the game's own (BoundedText): Qt's froze the game.
class AccessibleTextBox : public QAccessibleWidget,
                          public BoundedText,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value)
            box()->setText(text);  // as typed: the box's change handler takes it
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // No attributes, over one run from the start to the end of the text.
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString() : box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override
    {
        const bool any = index == 0 && box()->hasSelectedText();
        *startOffset = any ? box()->selectionStart() : 0;
        *endOffset = any ? box()->selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    // Where a character is drawn: from the cursor's rectangle and the font's advances.
    QRect characterRect(int offset) const override
    {
        const QString all = box()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics(box()->font());
        const int x = cursor.center().x() + metrics.horizontalAdvance(all.left(offset)) -
                      metrics.horizontalAdvance(all.left(box()->cursorPosition()));
        QRect r(x, cursor.top(), metrics.horizontalAdvance(all.at(offset)), metrics.height());
        r.moveTo(box()->mapToGlobal(r.topLeft()));
        return r;
    }
    int offsetAtPoint(const QPoint& point) const override { return box()->cursorPositionAt(box()->mapFromGlobal(point)); }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    // Written by an assistive tool: through setText, so the change handler runs.
    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override { box()->setText(box()->text().insert(offset, text)); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(object()); }
};

QAccessibleInterface* textBoxFactory(const QString& className, QObject* object)
{
    auto* box = className == QLatin1String("QLineEdit") ? dynamic_cast<TextBox*>(object) : nullptr;
    return box ? new AccessibleTextBox(box) : nullptr;
}

}  // namespace

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    // Before the box has an interface of its own, so that it gets this one.
    QAccessible::installFactory(textBoxFactory);  // once: Qt ignores a factory it has
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

}  // namespace furlox
