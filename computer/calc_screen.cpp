// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/calc_screen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "computer/computer_rules.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

CalcScreen::CalcScreen(Screens& screens)
    : Screen(screens, ScreenId::computercalculation, tr("Computer Betting Calculation"), 3240, 2265)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Calculating computer player bet......."),
                       120, 120, 2775, 255);
    Line1 = makeLine(this, QStringLiteral("Line1"), 120, 480, 3120, 480);
    Label4 = makeLabel(this, QStringLiteral("Label4"), recordText(kCalcStatusReset), 120, 600, 3015, 255);
    // While the computer works nothing can be pressed: the status line holds
    // the focus, so a screen reader follows each step as it changes.
    Label4->setFocusPolicy(Qt::StrongFocus);
    Line2 = makeLine(this, QStringLiteral("Line2"), 120, 960, 3120, 960);
    Label2 = makeLabel(this, QStringLiteral("Label2"), recordText(kCalcChoiceReset), 120, 1080, 2895, 255);
    Label3 = makeLabel(this, QStringLiteral("Label3"), tr("Computer will bet:   "), 120, 1320, 3015, 255);
    // Sign and stake lie over the end of Label3's caption.
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("\u00a3"), 1440, 1320, 135, 255);
    Label6 = makeLabel(this, QStringLiteral("Label6"), QString(), 1560, 1320, 1575, 255);
    Label3->setBuddy(Label6);  // its caption is said with the stake, not again on its own
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("Continue..."), 120, 1680, 3015, 495);
    Command1->setEnabled(false);

    // Value holders below the client area, never seen.
    for (int h = 1; h <= kHorseCount; ++h) {
        bet[h - 1] = makeLabel(this, QStringLiteral("bet%1").arg(h), QString(), 120 + 480 * (h - 1), 2400, 375, 255);
        bet[h - 1]->hide();
    }
    mediumthing = makeLabel(this, QStringLiteral("mediumthing"), QString(), 600, 2880, 375, 255);
    mediumthing->hide();

    // Precise: a coarse 2.5 s timer may fire up to 125 ms early.
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 2500, true);
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 2500, true);
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), 1);
    connect(Timer1, &QTimer::timeout, this, &CalcScreen::Timer1Tick);
    connect(Timer2, &QTimer::timeout, this, &CalcScreen::Timer2Tick);
    connect(Timer3, &QTimer::timeout, this, &CalcScreen::Timer3Tick);
    connect(Command1, &QPushButton::clicked, this, &CalcScreen::Command1Click);

    refresh();
}

void CalcScreen::showRecord()
{
    const CalcScreenState& calc = state_.calc;
    Label4->setText(recordText(calc.status));
    const QString choice = recordText(kCalcChoiceReset) +
                           (calc.horse > 0 ? QStringLiteral(" %1").arg(calc.horse) : QString());
    Label2->setText(choice);
    const QString sign = fromUtf8(state_.currency);
    Label5->setText(sign);
    const QString stake = shownNumber(calc.stake);
    showValue(Label6, stake, tr("Computer will bet: %1").arg(stake.isEmpty() ? tr("not decided yet") : sign + stake));
    // Continue... takes focus once the bet is made: it carries the bet.
    const bool justFinished = calc.continueEnabled && !Command1->isEnabled();
    Command1->setAccessibleDescription(
        calc.continueEnabled ? tr("%1, stake %2").arg(choice, sign + stake) : QString());
    Command1->setEnabled(calc.continueEnabled);
    if (justFinished)
        Command1->setFocus(Qt::OtherFocusReason);
    for (int h = 1; h <= kHorseCount; ++h)
        bet[h - 1]->setText(fromUtf8(calc.odds[h - 1]));
    mediumthing->setText(fromUtf8(calc.coin));
    setArmed(Timer1, calc.timer1);
    setArmed(Timer2, calc.timer2);
    setArmed(Timer3, calc.timer3);
}

void CalcScreen::Timer1Tick()
{
    computerHorseStep(state_, screens_.random());
    refresh();
}

void CalcScreen::Timer2Tick()
{
    computerStakeStep(state_, screens_.random());
    refresh();
}

void CalcScreen::Timer3Tick()
{
    computerHardStep(state_, screens_.random());
    refresh();
}

void CalcScreen::Command1Click()
{
    computerContinue(state_);
    screens_.hide(ScreenId::computercalculation);
    screens_.show(ScreenId::racecourse);
    screens_.refreshAll();
}

}  // namespace furlox
