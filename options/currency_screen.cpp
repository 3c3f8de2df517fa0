#include "options/currency_screen.h"

namespace furlox {

CurrencyScreen::CurrencyScreen(Screens& screens)
    : Screen(screens, QStringLiteral("currencyed"), QStringLiteral("Change the Currency"), 1470, 1950)
{
}

}  // namespace furlox
