// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace furlox {

// "Select Amount of Players": opens every game. Four count buttons and the
// computer opponent's check box; the choice lives in the betting and names
// screens' enabled boxes, not here.
class SelectPlayersScreen : public Screen {
    Q_OBJECT
public:
    explicit SelectPlayersScreen(Screens& screens);

private:
    // "1 Player" .. "4 Players" (Command1 .. Command4).
    void CommandClick(int count);

    QLabel* Label1 = nullptr;
    std::array<QPushButton*, kSlotCount> Command{};  // Command[0] is Command1
    QCheckBox* Check1 = nullptr;                      // keeps its tick between games
};

}  // namespace furlox
