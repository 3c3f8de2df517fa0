// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "screens/screen.h"

class QLabel;
class QPushButton;

namespace furlox {

// "Game Over": the last screen of a game; its one button ends the program.
class GameOverScreen : public Screen {
    Q_OBJECT
public:
    explicit GameOverScreen(Screens& screens);

private slots:
    void Command1Click();

private:
    QLabel* Label1 = nullptr;         // "Game Over"
    QPushButton* Command1 = nullptr;  // "Quit Game"
};

}  // namespace furlox
