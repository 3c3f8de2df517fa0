// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/title_screen.h"

#include <QLabel>
#include <QTimer>

#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

TitleScreen::TitleScreen(Screens& screens)
    : Screen(screens, ScreenId::title, QString(), 6735, 4500, Frame::None)
{
    Image1 = makeLabel(this, QStringLiteral("Image1"), QString(), 0, 0, 6750, 4500);
    Image1->setPixmap(loadPicture(QStringLiteral(":/title.png")));
    Image1->setAccessibleName(QStringLiteral("Furlox"));
    // The splash has no title bar; a screen reader still gets a name.
    setAccessibleName(QStringLiteral("Furlox"));

    // The splash timer runs from the moment the window exists. A precise
    // timer: a coarse one may fire up to 5% early, cutting the splash short.
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 3000, true);
    connect(Timer1, &QTimer::timeout, this, &TitleScreen::Timer1Tick);
    Timer1->start();
}

void TitleScreen::Timer1Tick()
{
    screens_.show(ScreenId::selectpl);
    screens_.hide(ScreenId::title);
    Timer1->stop();
}

}  // namespace furlox
