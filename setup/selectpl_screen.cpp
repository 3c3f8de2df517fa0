// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/selectpl_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "screens/look.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

namespace furlox {

namespace {
constexpr std::array<const char*, kSlotCount> kCountCaptions{
    QT_TRANSLATE_NOOP("furlox::SelectPlayersScreen", "1 Player"), QT_TRANSLATE_NOOP("furlox::SelectPlayersScreen", "2 Players"),
    QT_TRANSLATE_NOOP("furlox::SelectPlayersScreen", "3 Players"), QT_TRANSLATE_NOOP("furlox::SelectPlayersScreen", "4 Players")};
}  // namespace

SelectPlayersScreen::SelectPlayersScreen(Screens& screens)
    : Screen(screens, ScreenId::selectpl, tr("Select Amount of Players"), 3510, 2835)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("How many players would you like to play?"),
                       240, 120, 3015, 255);
    for (int count = 1; count <= kSlotCount; ++count) {
        QPushButton* button = makeButton(this, QStringLiteral("Command%1").arg(count),
                                         tr(kCountCaptions[count - 1]), 240, 480 * count, 3015, 495);
        connect(button, &QPushButton::clicked, this, [this, count] { CommandClick(count); });
        Command[count - 1] = button;
    }
    Check1 = makeCheckBox(this, QStringLiteral("Check1"), tr("Include a computer player?"), 600, 2520,
                          2295, 255);
}

void SelectPlayersScreen::CommandClick(int count)
{
    // The betting screen must exist before the set-up writes into it: its
    // creation draws the first week's odds.
    screens_.get(ScreenId::betit);
    const AfterCount next = choosePlayerCount(state_, count, Check1->isChecked());
    screens_.show(next == AfterCount::Difficulty ? ScreenId::computerdifficulty : ScreenId::plname);
    screens_.hide(ScreenId::selectpl);
    screens_.refreshAll();
}

}  // namespace furlox
