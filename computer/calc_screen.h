// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace furlox {

// "Computer Betting Calculation": the computer opponent picks its horse and
// stake in two timed steps, then "Continue..." hands over to the racecourse.
class CalcScreen : public Screen {
    Q_OBJECT
public:
    explicit CalcScreen(Screens& screens);

private slots:
    void Timer1Tick();
    void Timer2Tick();
    void Timer3Tick();
    void Command1Click();

private:
    void showRecord() override;

    QLabel* Label1 = nullptr;  // heading
    QFrame* Line1 = nullptr;
    QLabel* Label4 = nullptr;  // status line
    QFrame* Line2 = nullptr;
    QLabel* Label2 = nullptr;  // the chosen horse
    QLabel* Label3 = nullptr;  // "Computer will bet:"
    QLabel* Label5 = nullptr;  // currency sign, over Label3
    QLabel* Label6 = nullptr;  // the stake, over Label3
    QPushButton* Command1 = nullptr;     // "Continue..."
    std::array<QLabel*, kHorseCount> bet{};  // bet1 .. bet6, hidden: the week's odds
    QLabel* mediumthing = nullptr;       // hidden: the medium level's coin
    QTimer* Timer1 = nullptr;  // horse step
    QTimer* Timer2 = nullptr;  // stake step
    QTimer* Timer3 = nullptr;  // hard horse step
};

}  // namespace furlox
