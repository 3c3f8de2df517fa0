// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything one run of the game knows, in one plain record. Made once at
// start-up and handed by reference to every screen and rule. Amounts and
// stakes are the texts the player sees ("50", "42.5", a stake as typed);
// core/number_text.h turns them into numbers when a rule computes with them.
#include <array>
#include <string>
#include <vector>

#include "core/game_text.h"

namespace furlox {

inline constexpr int kHorseCount = 6;
inline constexpr int kSlotCount = 4;

// What every player, and the computer, starts a game with.
inline constexpr const char* kStartingMoney = "50";
// The heading of a panel that nobody plays.
inline constexpr const char* kNotPlaying = FURLOX_TEXT("furlox", "(NOT PLAYING)");
// The computer's heading in a game it does not play.
inline constexpr const char* kComputerNotPlaying = FURLOX_TEXT("furlox", "--Computer Not Playing--");
// The names on the names screen until the players type their own; the
// screens put them in the player's language when the game starts.
inline constexpr std::array<const char*, 4> kFirstNames{
    FURLOX_TEXT("furlox", "QX Player One"), FURLOX_TEXT("furlox", "QX Player Two"),
    FURLOX_TEXT("furlox", "QX Player Three"), FURLOX_TEXT("furlox", "QX Player Four")};
// Left edges of the horse pictures on the track, in twips.
inline constexpr int kStartPosition = 240;
inline constexpr int kFinishPosition = 7080;  // a horse whose move lands here wins

// One human player position, slot 1 to 4 (index 0 to 3).
struct PlayerSlot {
    std::string name;            // heading of the slot's panel on the betting screen
    std::string typedName;       // the text in the slot's box on the names screen
    bool canBet = true;          // stake box and horse buttons enabled on the betting screen
    bool nameBoxEnabled = true;  // name box enabled on the names screen
    std::string money = kStartingMoney;  // money available
    std::string stake = "0";     // stake as typed: any text
    int horse = 1;               // the selected horse button, 1..6
    bool operator==(const PlayerSlot&) const = default;
};

// One line of the week's race record.
struct BetLine {
    std::string before;  // money when the bet was placed
    std::string stake;   // stake as typed (or as computed, for the computer)
    std::string horse;   // "1".."6", "0" before any bet
    std::string after;   // money after the settlement
    bool operator==(const BetLine&) const = default;
};

struct ComputerPlayer {
    bool takesPart = false;
    bool outOfMoney = false;
    std::string name;                                // drawn on the difficulty screen
    std::string heading = kComputerNotPlaying;  // above its money on the betting screen
    std::string moneyShown = kStartingMoney;    // its money on the betting screen
    bool moneyLineVisible = true;                    // false uncovers "The computer has run out of money"
    std::string level = "difficulty";                // "easy", "medium", "hard" once chosen
    bool operator==(const ComputerPlayer&) const = default;
};

// What a race did to one bettor, as a screen reader is told it ("Ann won
// £120, now £170."); the screens word it in the player's language.
struct WeekResult {
    enum class Outcome { Won, Lost, Nothing };
    int slot = 0;          // the player's panel, 1..4; 0 for the computer
    std::string name;      // the panel's heading, or the computer's name; may be empty
    Outcome outcome = Outcome::Nothing;
    std::string amount;    // won or lost
    std::string now;       // money after the race; "0" means out of money
    bool operator==(const WeekResult&) const = default;
};
using WeekResults = std::vector<WeekResult>;

// What the betting screen shows beyond the slots.
struct BettingScreenState {
    bool created = false;        // set up (horse 1 everywhere, first odds) on first use
    bool raceButton1Visible = true;  // the plain RACE!; hidden, it uncovers the computer's RACE!
    bool raceButtonsEnabled = true;  // both RACE! buttons, switched by the stake boxes
    WeekResults news;                // last week's results, told once when the screen opens
    bool operator==(const BettingScreenState&) const = default;
};

struct RaceScreenState {
    std::array<int, kHorseCount> positions{kStartPosition, kStartPosition, kStartPosition,
                                           kStartPosition, kStartPosition, kStartPosition};  // left edges
    bool paused = false;         // the pause flag
    bool timersOn = false;       // the six horse timers
    int tickInterval = 100;      // ms between two steps of each horse
    std::string status = FURLOX_TEXT("furlox", "Status:- Getting Ready For Start");
    // The three buttons share one rectangle: GO! over PAUSE over NEXT WEEK.
    bool goVisible = true, goEnabled = true;
    bool pauseVisible = true, pauseEnabled = true;
    std::string pauseCaption = FURLOX_TEXT("furlox", "PAUSE GAME");
    bool nextVisible = false, nextEnabled = false;
    int winner = 0;              // the horse that won, 1..6; 0 while none has
    WeekResults results;         // who won and lost what, once the race is won
    bool operator==(const RaceScreenState&) const = default;
};

struct NamesScreenState {
    bool confirmed = false;  // "Change Player Names" / "Change It!" once used
    bool operator==(const NamesScreenState&) const = default;
};

struct DifficultyScreenState {
    bool levelButtonsEnabled = true;
    bool tall = false;            // grown to show the drawn name
    bool nameVisible = true;      // "You will be playing:" and the name
    bool timerArmed = false;      // the name draw
    bool continueEnabled = false;
    bool operator==(const DifficultyScreenState&) const = default;
};

struct CourseScreenState {
    std::string course = "Chepstow";
    bool timerArmed = false;
    bool operator==(const CourseScreenState&) const = default;
};

inline constexpr const char* kCalcChoiceReset = FURLOX_TEXT("furlox", "Computer will bet on Horse number:");
inline constexpr const char* kCalcStatusReset = FURLOX_TEXT("furlox", "Calculating Horse Number......");

struct CalcScreenState {
    std::array<std::string, kHorseCount> odds{};  // the week's odds, copied on RACE!
    std::string status = kCalcStatusReset;
    int horse = 0;                    // the horse chosen, 1..6; 0 until chosen
    std::string stake;                // empty until drawn
    std::string coin;                 // the medium level's coin, 1..10
    bool continueEnabled = false;
    bool timer1 = false, timer2 = false, timer3 = false;  // horse, stake, hard horse
    bool operator==(const CalcScreenState&) const = default;
};

struct GameState {
    std::array<PlayerSlot, kSlotCount> players;
    ComputerPlayer computer;
    std::array<int, kHorseCount> odds{};      // 1..100 once drawn; 0 before
    std::array<BetLine, kSlotCount> record;   // the week's race record, one line per slot
    BetLine computerRecord{kStartingMoney, "0", "0", kStartingMoney};
    std::array<int, kHorseCount> winCounts{};
    std::string currency = "\u00a3";          // "£", "$" or "€"

    BettingScreenState betting;
    RaceScreenState race;
    NamesScreenState names;
    DifficultyScreenState difficulty;
    CourseScreenState course;
    CalcScreenState calc;

    GameState();
    bool operator==(const GameState&) const = default;  // whole records, as tests compare them
};

// The horses, always in this order.
inline constexpr std::array<const char*, kHorseCount> kHorseColours{
    FURLOX_TEXT("furlox", "RED"),   FURLOX_TEXT("furlox", "YELLOW"), FURLOX_TEXT("furlox", "ORANGE"),
    FURLOX_TEXT("furlox", "GREEN"), FURLOX_TEXT("furlox", "BLUE"),   FURLOX_TEXT("furlox", "PURPLE")};

// "Horse 3 (ORANGE)"
std::string horseLabel(int horse);
// "57 - 1"
std::string oddsLabel(int odds);

}  // namespace furlox
