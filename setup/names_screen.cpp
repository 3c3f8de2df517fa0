#include "setup/names_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "betting/betting_screen.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

namespace furlox {

namespace {
constexpr std::array<const char*, 4> kRowCaptions{"Player One Name:", "Player Two Name:", "Player Three Name:",
                                                  "Player Four Name:"};
}  // namespace

NamesScreen::NamesScreen(Screens& screens)
    : Screen(screens, QStringLiteral("plname"), QStringLiteral("Player Names"), 4230, 2385)
{
    for (int k = 1; k <= 4; ++k) {
        const int top = 240 + 360 * (k - 1);
        Label[k] = makeLabel(this, QStringLiteral("Label%1").arg(k), QString::fromLatin1(kRowCaptions[k - 1]), 120,
                             top, 1455, 255);
        Text[k] = makeTextBox(this, QStringLiteral("Text%1").arg(k), fromUtf8(state_.players[k - 1].typedName), 1680,
                              top, 2415, 285, QStringLiteral("Player %1 name").arg(k));
        Label[k]->setBuddy(Text[k]);
    }
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Lets Race!"), 1080, 1800, 1935, 495);

    connect(Command1, &QPushButton::clicked, this, &NamesScreen::Command1Click);
    // Any change of a box is the name, whoever made it; Enter in a box
    // confirms the names like the button.
    connect(Text[1], &QLineEdit::textChanged, this, &NamesScreen::Text1Change);
    connect(Text[2], &QLineEdit::textChanged, this, &NamesScreen::Text2Change);
    connect(Text[3], &QLineEdit::textChanged, this, &NamesScreen::Text3Change);
    connect(Text[4], &QLineEdit::textChanged, this, &NamesScreen::Text4Change);
    for (int k = 1; k <= 4; ++k)
        connect(Text[k], &QLineEdit::returnPressed, this, &NamesScreen::Command1Click);

    // Labels take no focus, so the rows' order is the boxes' order.
    setTabOrder(Text[1], Text[2]);
    setTabOrder(Text[2], Text[3]);
    setTabOrder(Text[3], Text[4]);
    setTabOrder(Text[4], Command1);
    refresh();
}

void NamesScreen::showRecord()
{
    const bool confirmed = state_.names.confirmed;
    setWindowTitle(confirmed ? QStringLiteral("Change Player Names") : QStringLiteral("Player Names"));
    Command1->setText(confirmed ? QStringLiteral("Change It!") : QStringLiteral("Lets Race!"));
    for (int k = 1; k <= 4; ++k) {
        const PlayerSlot& slot = state_.players[k - 1];
        const QString typed = fromUtf8(slot.typedName);
        // Rewriting an unchanged box would move its cursor while typing.
        if (Text[k]->text() != typed)
            Text[k]->setText(typed);
        Text[k]->setEnabled(slot.nameBoxEnabled);
    }
}

void NamesScreen::Command1Click()
{
    screens_.show(screens_.betit());
    screens_.hide(*this);
    confirmNames(state_);
    screens_.refreshAll();
}

void NamesScreen::nameTyped(int slot, const QString& text)
{
    state_.players[slot - 1].typedName = text.toStdString();
}

void NamesScreen::Text1Change(const QString& text) { nameTyped(1, text); }
void NamesScreen::Text2Change(const QString& text) { nameTyped(2, text); }
void NamesScreen::Text3Change(const QString& text) { nameTyped(3, text); }
void NamesScreen::Text4Change(const QString& text) { nameTyped(4, text); }

}  // namespace furlox
