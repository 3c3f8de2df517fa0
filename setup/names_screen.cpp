#include "setup/names_screen.h"

namespace furlox {

NamesScreen::NamesScreen(Screens& screens)
    : Screen(screens, QStringLiteral("plname"), QStringLiteral("Player Names"), 4230, 2385)
{
}

}  // namespace furlox
