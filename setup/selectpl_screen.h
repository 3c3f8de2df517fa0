#pragma once
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

    QLabel* Label1;
    QPushButton* Command1;  // "1 Player"
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;  // "4 Players"
    QCheckBox* Check1;      // keeps its tick between games

public slots:
    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();

private:
    void countChosen(int count);
};

}  // namespace furlox
