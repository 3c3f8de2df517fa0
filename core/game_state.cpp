// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_state.h"

namespace furlox {

GameState::GameState()
{
    for (int i = 0; i < kSlotCount; ++i) {
        players[i].name = i == 0 ? FURLOX_TEXT("furlox", "Player 1 Bet") : kNotPlaying;
        players[i].typedName = kFirstNames[i];
        record[i] = BetLine{"0", "0", "0", kStartingMoney};
    }
}

std::string horseLabel(int horse)
{
    return "Horse " + std::to_string(horse) + " (" + kHorseColours[horse - 1] + ")";
}

std::string oddsLabel(int odds) { return std::to_string(odds) + " - 1"; }

}  // namespace furlox
