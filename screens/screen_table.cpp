// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of screens: each id with its name and its class. Adding a
// screen means a row here and its id in screens/screen_id.h.
#include "betting/betting_screen.h"
#include "computer/calc_screen.h"
#include "options/about_screen.h"
#include "options/currency_screen.h"
#include "options/gameover_screen.h"
#include "options/history_screen.h"
#include "options/speed_screen.h"
#include "race/race_screen.h"
#include "screens/screens.h"
#include "screens/title_screen.h"
#include "setup/course_screen.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"

namespace furlox {

namespace {

template <typename T>
std::unique_ptr<Screen> make(Screens& screens)
{
    return std::make_unique<T>(screens);
}

constexpr std::array<ScreenEntry, kScreenCount> kTable{{
    {ScreenId::title, "title", make<TitleScreen>},
    {ScreenId::selectpl, "selectpl", make<SelectPlayersScreen>},
    {ScreenId::computerdifficulty, "computerdifficulty", make<DifficultyScreen>},
    {ScreenId::plname, "plname", make<NamesScreen>},
    {ScreenId::betit, "betit", make<BettingScreen>},
    {ScreenId::computercalculation, "computercalculation", make<CalcScreen>},
    {ScreenId::racecourse, "racecourse", make<CourseScreen>},
    {ScreenId::ingame, "ingame", make<RaceScreen>},
    {ScreenId::gameover, "gameover", make<GameOverScreen>},
    {ScreenId::horsehistory, "horsehistory", make<HistoryScreen>},
    {ScreenId::gspeed, "gspeed", make<SpeedScreen>},
    {ScreenId::currencyed, "currencyed", make<CurrencyScreen>},
    {ScreenId::aboutgame, "aboutgame", make<AboutScreen>},
}};

constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i)
            return false;
    return true;
}
static_assert(inIdOrder(), "the screen table lists the screens in the order of their ids");

}  // namespace

const std::array<ScreenEntry, kScreenCount>& screenTable() { return kTable; }

}  // namespace furlox
