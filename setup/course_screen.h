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
    void showRecord() override;

    QLabel* Label1;         // "Today's Race will be at:"
    QLabel* Label2;         // the drawn course
    QPushButton* Command1;  // "Continue"
    QTimer* Timer1;         // draws the course once per showing

public slots:
    void Command1Click();
    void Timer1Tick();
};

}  // namespace furlox
