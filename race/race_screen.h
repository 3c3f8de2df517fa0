// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "race/commentary.h"
#include "screens/screen.h"

class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace furlox {

// "Trackside": six horses on six lanes, one timer each. GO!, PAUSE and
// NEXT WEEK share one rectangle, GO! on top, NEXT WEEK at the bottom.
class RaceScreen : public Screen {
    Q_OBJECT
public:
    explicit RaceScreen(Screens& screens);
    // A call of the commentary in the player's language.
    QString callText(const Call& call) const;

private slots:
    void Command1Click();
    void Command2Click();
    void Command3Click();

private:
    // Horse n with its picture Image<n>, lane number Label<n+1> and timer Timer<n>.
    struct Horse {
        QLabel* picture = nullptr;
        QLabel* lane = nullptr;
        QTimer* timer = nullptr;
    };

    void showRecord() override;
    // A tick of horse n's timer.
    void TimerTick(int horse);
    void placeHorse(int horse);
    // A call of the commentary, carried to the screen reader by PAUSE GAME,
    // which has the focus while the horses run: Orca speaks a change of the
    // focused control's description. The finish is NEXT WEEK's to tell.
    void call(const Call& call);

    std::array<Horse, kHorseCount> horses_;
    QLabel* Image7 = nullptr;                 // the banner
    QWidget* Shape1 = nullptr;                // the green track
    std::array<QLabel*, 7> Label1{};          // rails, Label1(0) .. Label1(6)
    QFrame* Line1 = nullptr;
    QPushButton* Command1 = nullptr;          // GO!
    QPushButton* Command2 = nullptr;          // next week
    QPushButton* Command3 = nullptr;          // pause
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusText_ = nullptr;            // the bar's one text
    Commentary commentary_;
};

}  // namespace furlox
