// A long seeded soak of the rules alone: games of one to four players, with
// and without a computer at every level, week after week through every rule
// the screens call, every invariant checked after each week.
// FURLOX_SOAK_WEEKS sets the length (100,000 weeks by default).
#include <QTest>
#include <cmath>
#include <numeric>

#include "betting/betting_rules.h"
#include "computer/computer_rules.h"
#include "core/number_text.h"
#include "race/race_rules.h"
#include "setup/setup_rules.h"

using namespace furlox;

namespace {

double value(const std::string& text) { return readNumber(text).value_or(std::nan("")); }

// A stake a player might type: mostly sensible, sometimes refused.
std::string typedStake(double money, Random& random)
{
    const int kind = drawWhole(random, 10);
    const double pennies = std::floor(money * random.next() * 100) / 100;
    const double whole = std::floor(money * random.next()) + (money >= 1 ? 1 : 0);
    const std::string choices[] = {"0", writeNumber(money), writeNumber(pennies), writeNumber(money + 1), "-1", "ten"};
    return kind <= 6 ? choices[kind - 1] : writeNumber(whole);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void weeksKeepEveryInvariant();
};

void SoakTest::weeksKeepEveryInvariant()
{
    const int weeks = qEnvironmentVariableIsSet("FURLOX_SOAK_WEEKS") ? qEnvironmentVariableIntValue("FURLOX_SOAK_WEEKS")
                                                                    : 100000;
    SeededRandom random(31337);
    random.setClockMixing(false);
    GameState s;
    setUpBetting(s, random);
    int games = 0, weeksInGame = 0, refusals = 0, computerBets = 0;
    auto newSetUp = [&] {
        newGame(s);
        const bool computer = drawWhole(random, 2) == 1;
        choosePlayerCount(s, drawWhole(random, 4), computer);
        if (computer) {
            pickLevel(s, std::array{"easy", "medium", "hard"}[drawWhole(random, 3) - 1]);
            drawOpponentName(s, random);
            confirmOpponent(s);
        }
        confirmNames(s);
        ++games;
        weeksInGame = 0;
    };
    newSetUp();

    for (int week = 0; week < weeks; ++week) {
        // Players type stakes until RACE! takes them all.
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            s.players[slot - 1].horse = drawWhole(random, 6);
            if (s.players[slot - 1].canBet)
                stakeChanged(s, slot, typedStake(value(s.players[slot - 1].money), random));
        }
        const RaceButton button = s.betting.raceButton1Visible ? RaceButton::Plain : RaceButton::WithComputer;
        RaceClick click = clickRace(s, button);
        for (int tries = 0; click.refusal; ++tries, ++refusals) {
            QVERIFY(tries < 8);
            stakeChanged(s, click.refusal->slot, value(s.players[click.refusal->slot - 1].money) < 1 ? "0" : "1");
            click = clickRace(s, button);
        }
        const auto players = s.players;
        QCOMPARE(click.route == RaceRoute::ComputerBet, s.computer.takesPart && !s.computer.outOfMoney);
        if (click.route == RaceRoute::ComputerBet) {
            ++computerBets;
            for (int step = 0; !s.calc.continueEnabled; ++step) {
                QVERIFY(step < 100);
                s.calc.timer1 ? computerHorseStep(s, random)
                              : s.calc.timer3 ? computerHardStep(s, random) : computerStakeStep(s, random);
            }
            const double stake = value(s.calc.stake);
            QVERIFY(stake >= 1 && stake <= value(s.computerRecord.after) && stake == std::floor(stake));
            computerContinue(s);
        }
        QVERIFY(s.course.timerArmed);
        drawCourse(s, random);

        startRace(s);
        int winner = 0;
        for (int tick = 0; !winner; ++tick) {
            QVERIFY(tick < 200000);
            if (horseTick(s, tick % kHorseCount + 1, random).won)
                winner = tick % kHorseCount + 1;
        }
        for (int horse = 1; horse <= kHorseCount; ++horse) {
            const int p = s.race.positions[horse - 1];
            QVERIFY(p >= kStartPosition && (p - kStartPosition) % kStep == 0);
            QCOMPARE(p == kFinishPosition, horse == winner);
        }
        QCOMPARE(std::accumulate(s.winCounts.begin(), s.winCounts.end(), 0), ++weeksInGame);

        // Every line: after = before + stake x odds on the winner, before -
        // stake otherwise; finite, readable and never below 0.
        auto check = [&](const BetLine& line) {
            const double before = value(line.before), stake = value(line.stake);
            QVERIFY(std::isfinite(before) && stake >= 0 && stake <= before && value(line.after) >= 0);
            const double won = line.horse == std::to_string(winner) ? stake * s.odds[winner - 1] : -stake;
            QCOMPARE(line.after, writeNumber(before + won));
        };
        for (int i = 0; i < kSlotCount; ++i) {
            if (players[i].canBet) {
                check(s.record[i]);
                QCOMPARE(s.record[i].before, players[i].money);
            }
            QCOMPARE(s.players[i].canBet, players[i].canBet && s.record[i].after != "0");
        }
        const bool computerWasOut = s.computer.outOfMoney;
        if (s.computer.takesPart && !computerWasOut)
            check(s.computerRecord);

        const bool over = nextWeek(s, random);
        bool anyone = false;
        for (int i = 0; i < kSlotCount; ++i) {
            QVERIFY(s.players[i].money == s.record[i].after && s.players[i].stake == "0" && s.players[i].horse == 1);
            anyone = anyone || s.players[i].canBet;
        }
        QCOMPARE(over, !anyone);
        // Once out, the computer stays out for the game.
        if (s.computer.takesPart)
            QCOMPARE(s.computer.outOfMoney, computerWasOut || s.computerRecord.after == "0");
        QVERIFY(!s.computer.outOfMoney || !s.computer.moneyLineVisible);
        for (int k : s.odds)
            QVERIFY(k >= 1 && k <= 100);
        QVERIFY(s.betting.raceButtonsEnabled && s.race.status == "Status:- Getting Ready For Start");
        if (over)
            newSetUp();
    }
    qInfo("%d weeks in %d games, %d refused stakes, %d computer bets", weeks, games, refusals, computerBets);
    QVERIFY(games > 1 && refusals > 0 && computerBets > 0);
}

QTEST_APPLESS_MAIN(SoakTest)
#include "test_soak.moc"
