#include "options/gameover_screen.h"

namespace furlox {

GameOverScreen::GameOverScreen(Screens& screens)
    : Screen(screens, QStringLiteral("gameover"), QStringLiteral("Game Over"), 2115, 1200)
{
}

}  // namespace furlox
