#pragma once
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
    void showRecord() override;

    QLabel* Label1;
    QPushButton* Command2;  // "Easy"
    QPushButton* Command3;  // "Medium"
    QPushButton* Command4;  // "Hard"
    QLabel* Label3;         // "You will be playing:"
    QLabel* Label4;         // the opponent's name
    QPushButton* Command1;  // "Continue"
    QLabel* Label2;         // never shown: holds the level
    QTimer* Timer1;         // draws the name

public slots:
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Timer1Tick();

private:
    void levelPicked(const char* level);
};

}  // namespace furlox
