// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one-line text box, and what a screen reader reads of it.
#include <QLineEdit>

namespace furlox {

// A box reached from the keyboard, or focused by the game (after a refused
// stake, when its screen opens), selects its text, so typing replaces it
// instead of adding to it. A click still places the cursor where it lands.
class TextBox : public QLineEdit {
public:
    TextBox(const QString& text, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace furlox
