// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/speed_screen.h"

#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "options/options_rules.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/message_box.h"
#include "screens/screens.h"

namespace furlox {

namespace {

// Keys 1..9 in a 3 x 3 block (Command2..Command10), the tall 0 to its right.
struct Key {
    int number;
    char digit;
    int left, top, height;
};

constexpr std::array<Key, 10> kKeys{{
    {2, '1', 600, 1920, 495},
    {3, '2', 1200, 1920, 495},
    {4, '3', 1800, 1920, 495},
    {5, '4', 600, 2400, 495},
    {6, '5', 1200, 2400, 495},
    {7, '6', 1800, 2400, 495},
    {8, '7', 600, 2880, 495},
    {9, '8', 1200, 2880, 495},
    {10, '9', 1800, 2880, 495},
    {11, '0', 2400, 1920, 1455},
}};

}  // namespace

SpeedScreen::SpeedScreen(Screens& screens)
    : Screen(screens, ScreenId::gspeed, tr("Change Game Speed"), 3630, 3945)
{
    QLabel* label1 = makeLabel(this, QStringLiteral("Label1"),
                               tr("To change the in-game Furlox speed then please enter a number between "
                                  "30 & 1000 on the keypad below. The number already in the field is the "
                                  "current speed."),
                               120, 120, 3495, 975);
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QLabel* label2 = makeLabel(this, QStringLiteral("Label2"),
                               tr("Enter a number where 1 is the fastest upwards"), 120, 960, 3495, 375);
    label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text1 = makeTextBox(this, QStringLiteral("Text1"), QString(), 600, 1320, 1095, 285,
                        tr("Game speed in milliseconds"));
    // Enter in the field applies, like the screen's button.
    connect(Text1, &QLineEdit::returnPressed, this, &SpeedScreen::Command1Click);

    // Made in Tab order: field, Clear, keys 1..9 and 0, Apply.
    QPushButton* clear = makeButton(this, QStringLiteral("Command12"), tr("Clear"), 1800, 1320, 1095, 375);
    connect(clear, &QPushButton::clicked, Text1, &QLineEdit::clear);
    for (const Key& key : kKeys) {
        QPushButton* button = makeButton(this, QStringLiteral("Command%1").arg(key.number),
                                         QString(QLatin1Char(key.digit)), key.left, key.top, 615, key.height);
        // A key appends its digit; any check waits for Apply.
        connect(button, &QPushButton::clicked, this,
                [this, digit = key.digit] { Text1->setText(Text1->text() + QLatin1Char(digit)); });
    }
    QPushButton* apply =
        makeButton(this, QStringLiteral("Command1"), tr("Apply Speed Change"), 600, 3360, 2415, 495);
    connect(apply, &QPushButton::clicked, this, &SpeedScreen::Command1Click);
}

void SpeedScreen::showEvent(QShowEvent* event)
{
    Screen::showEvent(event);
    Text1->setText(shownNumber(speedFieldText(state_)));
    // The field has the focus now: typing replaces the speed.
    if (focusWidget() == Text1)
        Text1->selectAll();
}

void SpeedScreen::Command1Click()
{
    if (!applySpeed(state_, recordNumber(Text1->text()))) {
        showMessage(this, tr("Please Enter A Number Between 30-1000"));
        return;
    }
    screens_.hide(ScreenId::gspeed);
    screens_.show(ScreenId::betit);
    screens_.refreshAll();
}

}  // namespace furlox
