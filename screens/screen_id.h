// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every screen of the game by its id. Handlers hand over by id, so a screen
// knows no other screen's class; screens/screen_table.cpp maps each id to
// its name and to the function that makes it.
#include <cstddef>

namespace furlox {

enum class ScreenId {
    title,
    selectpl,
    computerdifficulty,
    plname,
    betit,
    computercalculation,
    racecourse,
    ingame,
    gameover,
    horsehistory,
    gspeed,
    currencyed,
    aboutgame,
    count  // not a screen: the number of them
};
inline constexpr std::size_t kScreenCount = static_cast<std::size_t>(ScreenId::count);

}  // namespace furlox
