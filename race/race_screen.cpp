#include "race/race_screen.h"

namespace furlox {

RaceScreen::RaceScreen(Screens& screens)
    : Screen(screens, QStringLiteral("ingame"), QStringLiteral("Trackside"), 8145, 7200)
{
}

}  // namespace furlox
