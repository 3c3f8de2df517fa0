#include "setup/difficulty_screen.h"

namespace furlox {

DifficultyScreen::DifficultyScreen(Screens& screens)
    : Screen(screens, QStringLiteral("computerdifficulty"), QStringLiteral("Please Select the Computer Difficulty"), 3120, 945)
{
}

}  // namespace furlox
