// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "screens/screen.h"

class QLabel;
class QPushButton;
class QTimer;

namespace furlox {

// "Today's Race.....": announces the racecourse drawn before each race.
class CourseScreen : public Screen {
    Q_OBJECT
public:
    explicit CourseScreen(Screens& screens);

private slots:
    void Command1Click();
    void Timer1Tick();

private:
    void showRecord() override;

    QLabel* Label1 = nullptr;         // "Today's Race will be at:"
    QLabel* Label2 = nullptr;         // the drawn course
    QPushButton* Command1 = nullptr;  // "Continue"
    QTimer* Timer1 = nullptr;         // draws the course once per showing
};

}  // namespace furlox
