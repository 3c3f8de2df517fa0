// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace furlox {

// "Player Names": the names of the human players, typed at the start of a
// game and changed at any time from the betting screen's menu.
class NamesScreen : public Screen {
    Q_OBJECT
public:
    explicit NamesScreen(Screens& screens);

private slots:
    void Command1Click();

private:
    void showRecord() override;
    // Any change of box Text1 .. Text4, typed or written by anyone.
    void TextChange(int slot, const QString& text);

    std::array<QLabel*, kSlotCount> Label{};    // Label[0] is Label1
    std::array<QLineEdit*, kSlotCount> Text{};  // Text[0] is Text1
    QPushButton* Command1 = nullptr;            // "Lets Race!" / "Change It!"
};

}  // namespace furlox
