#include "options/history_screen.h"

namespace furlox {

HistoryScreen::HistoryScreen(Screens& screens)
    : Screen(screens, QStringLiteral("horsehistory"), QStringLiteral("Furlox History"), 4680, 3330)
{
}

}  // namespace furlox
