#pragma once
#include <array>

#include "screens/screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace furlox {

// "Change Game Speed": a keypad for the race's tick interval, 30 to 1000 ms.
class SpeedScreen : public Screen {
    Q_OBJECT
public:
    explicit SpeedScreen(Screens& screens);

    // Puts the interval in force into the field; the menu calls it on opening.
    void fillField();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;       // the number being entered; screen-only
    QPushButton* Command12 = nullptr; // "Clear"
    std::array<QPushButton*, 12> Command{};  // Command[2] .. Command[11]: digits 1..9, then 0
    QPushButton* Command1 = nullptr;  // "Apply Speed Change"

public slots:
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Command5Click();
    void Command6Click();
    void Command7Click();
    void Command8Click();
    void Command9Click();
    void Command10Click();
    void Command11Click();
    void Command12Click();

private:
    void appendDigit(char digit);
};

}  // namespace furlox
