#include "setup/selectpl_screen.h"

namespace furlox {

SelectPlayersScreen::SelectPlayersScreen(Screens& screens)
    : Screen(screens, QStringLiteral("selectpl"), QStringLiteral("Select Amount of Players"), 3510, 2835)
{
}

}  // namespace furlox
