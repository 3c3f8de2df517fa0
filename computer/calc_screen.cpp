#include "computer/calc_screen.h"

namespace furlox {

CalcScreen::CalcScreen(Screens& screens)
    : Screen(screens, QStringLiteral("computercalculation"), QStringLiteral("Computer Betting Calculation"), 3240, 2265)
{
}

}  // namespace furlox
