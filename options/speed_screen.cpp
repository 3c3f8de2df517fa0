#include "options/speed_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "betting/betting_screen.h"
#include "options/options_rules.h"
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
    : Screen(screens, QStringLiteral("gspeed"), QStringLiteral("Change Game Speed"), 3630, 3945)
{
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("To change the in-game Furlox speed then please enter a number between 30 & "
                                      "1000 on the keypad below. The number already in the field is the current "
                                      "speed."),
                       120, 120, 3495, 975);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Enter a number where 1 is the fastest upwards"),
                       120, 960, 3495, 375);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text1 = makeTextBox(this, QStringLiteral("Text1"), QString(), 600, 1320, 1095, 285,
                        QStringLiteral("Game speed in milliseconds"));
    Command12 = makeButton(this, QStringLiteral("Command12"), QStringLiteral("Clear"), 1800, 1320, 1095, 375);
    for (const Key& key : kKeys)
        Command[key.number] = makeButton(this, QStringLiteral("Command%1").arg(key.number),
                                         QString(QLatin1Char(key.digit)), key.left, key.top, 615, key.height);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Apply Speed Change"), 600, 3360, 2415,
                          495);

    connect(Command1, &QPushButton::clicked, this, &SpeedScreen::Command1Click);
    connect(Command[2], &QPushButton::clicked, this, &SpeedScreen::Command2Click);
    connect(Command[3], &QPushButton::clicked, this, &SpeedScreen::Command3Click);
    connect(Command[4], &QPushButton::clicked, this, &SpeedScreen::Command4Click);
    connect(Command[5], &QPushButton::clicked, this, &SpeedScreen::Command5Click);
    connect(Command[6], &QPushButton::clicked, this, &SpeedScreen::Command6Click);
    connect(Command[7], &QPushButton::clicked, this, &SpeedScreen::Command7Click);
    connect(Command[8], &QPushButton::clicked, this, &SpeedScreen::Command8Click);
    connect(Command[9], &QPushButton::clicked, this, &SpeedScreen::Command9Click);
    connect(Command[10], &QPushButton::clicked, this, &SpeedScreen::Command10Click);
    connect(Command[11], &QPushButton::clicked, this, &SpeedScreen::Command11Click);
    connect(Command12, &QPushButton::clicked, this, &SpeedScreen::Command12Click);
    // Enter in the field applies, like the screen's button.
    connect(Text1, &QLineEdit::returnPressed, this, &SpeedScreen::Command1Click);

    // Tab order: field, Clear, keys 1..9 and 0, Apply.
    const std::array<QWidget*, 14> order{Text1,      Command12,  Command[2],  Command[3], Command[4],
                                         Command[5], Command[6], Command[7],  Command[8], Command[9],
                                         Command[10], Command[11], Command1, nullptr};
    for (std::size_t i = 0; order[i + 1]; ++i)
        setTabOrder(order[i], order[i + 1]);
}

void SpeedScreen::fillField()
{
    Text1->setText(fromUtf8(speedFieldText(state_)));
    // The field is focused when the screen opens: typing replaces the speed.
    if (focusWidget() == Text1)
        Text1->selectAll();
}

void SpeedScreen::appendDigit(char digit) { Text1->setText(Text1->text() + QLatin1Char(digit)); }

void SpeedScreen::Command2Click() { appendDigit('1'); }
void SpeedScreen::Command3Click() { appendDigit('2'); }
void SpeedScreen::Command4Click() { appendDigit('3'); }
void SpeedScreen::Command5Click() { appendDigit('4'); }
void SpeedScreen::Command6Click() { appendDigit('5'); }
void SpeedScreen::Command7Click() { appendDigit('6'); }
void SpeedScreen::Command8Click() { appendDigit('7'); }
void SpeedScreen::Command9Click() { appendDigit('8'); }
void SpeedScreen::Command10Click() { appendDigit('9'); }
void SpeedScreen::Command11Click() { appendDigit('0'); }
void SpeedScreen::Command12Click() { Text1->clear(); }

void SpeedScreen::Command1Click()
{
    if (!applySpeed(state_, Text1->text().toStdString())) {
        showMessage(this, QStringLiteral("Please Enter A Number Between 30-1000"));
        return;
    }
    screens_.hide(*this);
    screens_.show(screens_.betit());
    screens_.refreshAll();
}

}  // namespace furlox
