// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/history_screen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

namespace {

struct Row {
    int top;
    int nameWidth;  // row names and counts are not all the same width
    int countLeft, countWidth;
};

constexpr std::array<Row, 6> kRows{{
    {600, 1695, 1080, 3375},
    {960, 735, 1080, 3375},
    {1320, 735, 1200, 3255},
    {1680, 735, 1080, 3375},
    {2040, 735, 1080, 3375},
    {2400, 975, 1200, 3255},
}};

}  // namespace

HistoryScreen::HistoryScreen(Screens& screens)
    : Screen(screens, ScreenId::horsehistory, tr("Furlox History"), 4680, 3330)
{
    makeLabel(this, QStringLiteral("Label1"),
                         tr("Below are the number of times a Furlox has won a race in this particular game"),
                         120, 120, 4335, 495);
    for (int h = 1; h <= kHorseCount; ++h) {
        const Row& row = kRows[h - 1];
        makeLabel(this, QStringLiteral("Label%1").arg(h + 1), QStringLiteral("Furlox %1").arg(h), 120, row.top,
                  row.nameWidth, 255);
        win[h - 1] = makeLabel(this, QStringLiteral("win%1").arg(h), QStringLiteral("0"), row.countLeft, row.top,
                               row.countWidth, 255);
        win[h - 1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    for (int n = 1; n <= 5; ++n) {
        const int y = 840 + 360 * (n - 1);
        makeLine(this, QStringLiteral("Line%1").arg(n), 120, y, 4560, y);
    }
    makeLine(this, QStringLiteral("Line6"), 1080, 600, 1080, 2640);
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("OK"), 1800, 2760, 1095, 495);
    connect(Command1, &QPushButton::clicked, this, &HistoryScreen::Command1Click);
    setEscapeButton(Command1);

    refresh();
}

void HistoryScreen::showRecord()
{
    for (int h = 1; h <= kHorseCount; ++h) {
        const QString wins = QString::number(state_.winCounts[h - 1]);
        showValue(win[h - 1], wins, tr("Furlox %1 wins: %n", nullptr, state_.winCounts[h - 1]).arg(h));
    }
}

void HistoryScreen::Command1Click()
{
    screens_.hide(ScreenId::horsehistory);
    screens_.show(ScreenId::betit);
}

}  // namespace furlox
