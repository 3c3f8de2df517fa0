// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QLabel;
class QPushButton;
class QTimer;

namespace furlox {

// "Please Select the Computer Difficulty": the computer opponent's level,
// then a drawn name. The window starts one row tall and grows to show the
// name once a level is picked.
class DifficultyScreen : public Screen {
    Q_OBJECT
public:
    explicit DifficultyScreen(Screens& screens);

private slots:
    void Command1Click();
    void Timer1Tick();

private:
    void showRecord() override;
    // "Easy", "Medium", "Hard" (Command2 .. Command4).
    void levelClick(const char* level);

    QLabel* Label1 = nullptr;
    std::array<QPushButton*, 3> levelButtons{};  // Command2, Command3, Command4
    QLabel* Label3 = nullptr;         // "You will be playing:"
    QLabel* Label4 = nullptr;         // the opponent's name
    QPushButton* Command1 = nullptr;  // "Continue"
    QLabel* Label2 = nullptr;         // never shown: holds the level
    QTimer* Timer1 = nullptr;         // draws the name
};

}  // namespace furlox
