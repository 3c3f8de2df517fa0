// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/difficulty_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "screens/look.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

namespace furlox {

namespace {
constexpr int kClientWidth = 3120;
// Outer heights 1320 and 2490 twips, less a 375-twip title bar.
constexpr int kShortHeight = 945;
constexpr int kTallHeight = 2115;

struct Level {
    const char* button;
    const char* caption;
    const char* level;
    int left;
};
constexpr std::array<Level, 3> kLevels{{
    {"Command2", QT_TRANSLATE_NOOP("furlox::DifficultyScreen", "Easy"), "easy", 120},
    {"Command3", QT_TRANSLATE_NOOP("furlox::DifficultyScreen", "Medium"), "medium", 1080},
    {"Command4", QT_TRANSLATE_NOOP("furlox::DifficultyScreen", "Hard"), "hard", 2040},
}};
}  // namespace

DifficultyScreen::DifficultyScreen(Screens& screens)
    : Screen(screens, ScreenId::computerdifficulty, tr("Please Select the Computer Difficulty"),
             kClientWidth, kShortHeight)
{
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        const Level& level = kLevels[i];
        levelButtons[i] = makeButton(this, QString::fromLatin1(level.button), tr(level.caption),
                                     level.left, 360, 975, 495);
        connect(levelButtons[i], &QPushButton::clicked, this, [this, &level] { levelClick(level.level); });
    }
    // Made after the level buttons: the labels between them and Continue
    // take no focus, so the Tab order runs Easy, Medium, Hard, Continue.
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Please select the computer difficulty:"), 240,
                       120, 2655, 255);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("difficulty"), 720, 2160, 1815, 255);
    Label2->setVisible(false);
    Label3 = makeLabel(this, QStringLiteral("Label3"), tr("You will be playing:"), 120, 960, 2775, 255);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QString(), 120, 1200, 2895, 255);
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("Continue"), 600, 1560, 1935, 495);
    Command1->setEnabled(false);
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 1);

    connect(Command1, &QPushButton::clicked, this, &DifficultyScreen::Command1Click);
    connect(Timer1, &QTimer::timeout, this, &DifficultyScreen::Timer1Tick);
    refresh();
}

void DifficultyScreen::showRecord()
{
    const DifficultyScreenState& d = state_.difficulty;
    const int height = d.tall ? kTallHeight : kShortHeight;
    if (this->height() != tw(height))
        setClientSize(kClientWidth, height);
    for (QPushButton* button : levelButtons)
        button->setEnabled(d.levelButtonsEnabled);
    // Below the short window's edge nothing is seen, nor reported as showing.
    Label3->setVisible(d.nameVisible && d.tall);
    Label4->setVisible(d.nameVisible && d.tall);
    Command1->setVisible(d.tall);
    const QString name = fromUtf8(state_.computer.name);
    showValue(Label4, name, tr("You will be playing: %1").arg(name));
    Command1->setAccessibleDescription(Label4->accessibleName());  // heard with the focus
    Label2->setText(fromUtf8(state_.computer.level));
    Command1->setEnabled(d.continueEnabled);
    setArmed(Timer1, d.timerArmed);
}

void DifficultyScreen::levelClick(const char* level)
{
    pickLevel(state_, level);
    screens_.refreshAll();
}

void DifficultyScreen::Timer1Tick()
{
    drawOpponentName(state_, screens_.random());
    screens_.refreshAll();
}

void DifficultyScreen::Command1Click()
{
    screens_.hide(ScreenId::computerdifficulty);
    screens_.show(ScreenId::plname);
    confirmOpponent(state_);
    screens_.refreshAll();
}

}  // namespace furlox
