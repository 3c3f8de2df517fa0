#include "options/about_screen.h"

namespace furlox {

AboutScreen::AboutScreen(Screens& screens)
    : Screen(screens, QStringLiteral("aboutgame"), QStringLiteral("About"), 4605, 4890)
{
}

}  // namespace furlox
