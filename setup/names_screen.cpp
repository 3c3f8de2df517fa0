// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/names_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "screens/language.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

namespace furlox {

namespace {
constexpr std::array<const char*, kSlotCount> kRowCaptions{
    QT_TRANSLATE_NOOP("furlox::NamesScreen", "Player One Name:"), QT_TRANSLATE_NOOP("furlox::NamesScreen", "Player Two Name:"),
    QT_TRANSLATE_NOOP("furlox::NamesScreen", "Player Three Name:"), QT_TRANSLATE_NOOP("furlox::NamesScreen", "Player Four Name:")};
}  // namespace

NamesScreen::NamesScreen(Screens& screens)
    : Screen(screens, ScreenId::plname, tr("Player Names"), 4230, 2385)
{
    // The names the game offers until the players type their own, in the
    // player's language.
    for (int k = 1; k <= kSlotCount; ++k)
        if (std::string& typed = state_.players[k - 1].typedName; typed == kFirstNames[k - 1])
            typed = recordText(typed).toStdString();
    for (int k = 1; k <= kSlotCount; ++k) {
        const int top = 240 + 360 * (k - 1);
        QLabel* label = makeLabel(this, QStringLiteral("Label%1").arg(k), tr(kRowCaptions[k - 1]),
                                  120, top, 1455, 255);
        QLineEdit* box = makeTextBox(this, QStringLiteral("Text%1").arg(k), fromUtf8(state_.players[k - 1].typedName),
                                     1680, top, 2415, 285, tr("Player %1 name").arg(k));
        label->setBuddy(box);
        // Any change of a box is the name, whoever made it; Enter in a box
        // confirms the names like the button.
        connect(box, &QLineEdit::textChanged, this, [this, k](const QString& text) { TextChange(k, text); });
        connect(box, &QLineEdit::returnPressed, this, &NamesScreen::Command1Click);
        Label[k - 1] = label;
        Text[k - 1] = box;
    }
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("Lets Race!"), 1080, 1800, 1935, 495);
    connect(Command1, &QPushButton::clicked, this, &NamesScreen::Command1Click);
    refresh();
}

void NamesScreen::showRecord()
{
    const bool confirmed = state_.names.confirmed;
    setWindowTitle(confirmed ? tr("Change Player Names") : tr("Player Names"));
    Command1->setText(confirmed ? tr("Change It!") : tr("Lets Race!"));
    for (int k = 1; k <= kSlotCount; ++k) {
        const PlayerSlot& slot = state_.players[k - 1];
        const QString typed = fromUtf8(slot.typedName);
        // Rewriting an unchanged box would move its cursor while typing.
        if (Text[k - 1]->text() != typed)
            Text[k - 1]->setText(typed);
        Text[k - 1]->setEnabled(slot.nameBoxEnabled);
    }
}

void NamesScreen::Command1Click()
{
    screens_.show(ScreenId::betit);
    screens_.hide(ScreenId::plname);
    confirmNames(state_);
    screens_.refreshAll();
}

void NamesScreen::TextChange(int slot, const QString& text) { state_.players[slot - 1].typedName = text.toStdString(); }

}  // namespace furlox
