#include "setup/difficulty_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "screens/look.h"
#include "screens/screens.h"
#include "setup/names_screen.h"
#include "setup/setup_rules.h"

namespace furlox {

namespace {
constexpr int kClientWidth = 3120;
// Outer heights 1320 and 2490 twips, less a 375-twip title bar.
constexpr int kShortHeight = 945;
constexpr int kTallHeight = 2115;
}  // namespace

DifficultyScreen::DifficultyScreen(Screens& screens)
    : Screen(screens, QStringLiteral("computerdifficulty"), QStringLiteral("Please Select the Computer Difficulty"),
             kClientWidth, kShortHeight)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Please select the computer difficulty:"), 240,
                       120, 2655, 255);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Easy"), 120, 360, 975, 495);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("Medium"), 1080, 360, 975, 495);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("Hard"), 2040, 360, 975, 495);
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("You will be playing:"), 120, 960, 2775, 255);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QString(), 120, 1200, 2895, 255);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Continue"), 600, 1560, 1935, 495);
    Command1->setEnabled(false);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("difficulty"), 720, 2160, 1815, 255);
    Label2->setVisible(false);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1);

    connect(Command1, &QPushButton::clicked, this, &DifficultyScreen::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &DifficultyScreen::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &DifficultyScreen::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &DifficultyScreen::Command4Click);
    connect(Timer1, &QTimer::timeout, this, &DifficultyScreen::Timer1Tick);

    // The labels in between take no focus.
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command1);
    refresh();
}

void DifficultyScreen::showRecord()
{
    const DifficultyScreenState& d = state_.difficulty;
    const int height = d.tall ? kTallHeight : kShortHeight;
    if (this->height() != tw(height))
        setClientSize(kClientWidth, height);
    Command2->setEnabled(d.levelButtonsEnabled);
    Command3->setEnabled(d.levelButtonsEnabled);
    Command4->setEnabled(d.levelButtonsEnabled);
    Label3->setVisible(d.nameVisible);
    Label4->setVisible(d.nameVisible);
    const QString name = fromUtf8(state_.computer.name);
    showValue(Label4, name, QStringLiteral("You will be playing: ") + name);
    Label2->setText(fromUtf8(state_.computer.level));
    Command1->setEnabled(d.continueEnabled);
    setArmed(Timer1, d.timerArmed);
}

void DifficultyScreen::levelPicked(const char* level)
{
    pickLevel(state_, level);
    screens_.refreshAll();
}

void DifficultyScreen::Command2Click() { levelPicked("easy"); }
void DifficultyScreen::Command3Click() { levelPicked("medium"); }
void DifficultyScreen::Command4Click() { levelPicked("hard"); }

void DifficultyScreen::Timer1Tick()
{
    drawOpponentName(state_, screens_.random());
    screens_.refreshAll();
}

void DifficultyScreen::Command1Click()
{
    screens_.hide(*this);
    screens_.show(screens_.plname());
    confirmOpponent(state_);
    screens_.refreshAll();
}

}  // namespace furlox
