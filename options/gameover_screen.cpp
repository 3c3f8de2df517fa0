// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/gameover_screen.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

GameOverScreen::GameOverScreen(Screens& screens)
    : Screen(screens, ScreenId::gameover, tr("Game Over"), 2115, 1200)
{
    // An alert: its message is read out as it opens, short as it is.
    setWindowRole(QAccessible::AlertMessage);
    setFont(displayFont(24));
    Label1 = makeLabel(this, QStringLiteral("Label1"), tr("Game Over"), 120, 0, 1935, 615);
    // The display font it was drawn for is a tall, narrow face; squeeze our
    // bold stand-in to match, or the caption would not fit on one line.
    QFont title = displayFont(20.25);
    title.setStretch(70);
    Label1->setFont(title);
    Label1->setWordWrap(false);
    Command1 = makeButton(this, QStringLiteral("Command1"), tr("Quit Game"), 240, 600, 1575, 495);
    // The button keeps the dialog font, not the window's display font.
    QFont dialog = QApplication::font();
    dialog.setFamily(dialog.family());
    dialog.setPointSizeF(dialog.pointSizeF());
    dialog.setBold(false);
    Command1->setFont(dialog);
    connect(Command1, &QPushButton::clicked, this, &GameOverScreen::Command1Click);
}

void GameOverScreen::Command1Click() { screens_.exitGame(); }

}  // namespace furlox
