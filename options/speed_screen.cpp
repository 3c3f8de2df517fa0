#include "options/speed_screen.h"

namespace furlox {

SpeedScreen::SpeedScreen(Screens& screens)
    : Screen(screens, QStringLiteral("gspeed"), QStringLiteral("Change Game Speed"), 3630, 3945)
{
}

}  // namespace furlox
