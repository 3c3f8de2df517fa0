#include "setup/selectpl_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "betting/betting_screen.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/setup_rules.h"

namespace furlox {

SelectPlayersScreen::SelectPlayersScreen(Screens& screens)
    : Screen(screens, QStringLiteral("selectpl"), QStringLiteral("Select Amount of Players"), 3510, 2835)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("How many players would you like to play?"),
                       240, 120, 3015, 255);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("1 Player"), 240, 480, 3015, 495);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("2 Players"), 240, 960, 3015, 495);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("3 Players"), 240, 1440, 3015, 495);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("4 Players"), 240, 1920, 3015, 495);
    Check1 = makeCheckBox(this, QStringLiteral("Check1"), QStringLiteral("Include a computer player?"), 600, 2520,
                          2295, 255);

    connect(Command1, &QPushButton::clicked, this, &SelectPlayersScreen::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &SelectPlayersScreen::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &SelectPlayersScreen::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &SelectPlayersScreen::Command4Click);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Check1);
}

void SelectPlayersScreen::Command1Click() { countChosen(1); }
void SelectPlayersScreen::Command2Click() { countChosen(2); }
void SelectPlayersScreen::Command3Click() { countChosen(3); }
void SelectPlayersScreen::Command4Click() { countChosen(4); }

void SelectPlayersScreen::countChosen(int count)
{
    // The betting screen must exist before the set-up writes into it: its
    // creation draws the first week's odds.
    screens_.betit();
    const AfterCount next = choosePlayerCount(state_, count, Check1->isChecked());
    if (next == AfterCount::Difficulty)
        screens_.show(screens_.computerdifficulty());
    else
        screens_.show(screens_.plname());
    screens_.hide(*this);
    screens_.refreshAll();
}

}  // namespace furlox
