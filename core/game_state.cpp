// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_state.h"

namespace furlox {

GameState::GameState()
{
    static constexpr std::array<const char*, kSlotCount> typed{
        "QX Player One", "QX Player Two", "QX Player Three", "QX Player Four"};
    for (int i = 0; i < kSlotCount; ++i) {
        players[i].name = i == 0 ? "Player 1 Bet" : kNotPlaying;
        players[i].typedName = typed[i];
        record[i] = BetLine{"0", "0", "0", kStartingMoney};
    }
}

std::string horseLabel(int horse)
{
    return "Horse " + std::to_string(horse) + " (" + kHorseColours[horse - 1] + ")";
}

std::string oddsLabel(int odds) { return std::to_string(odds) + " - 1"; }

}  // namespace furlox
