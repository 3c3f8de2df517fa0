// A long seeded soak of the rules alone: games of one to four players with
// and without a computer at every level, played week after week through
// every rule the screens call, with every invariant checked after each week.
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

double value(const std::string& text)
{
    const auto v = readNumber(text);
    return v ? *v : std::nan("");
}

// A stake a player might type: mostly sensible, sometimes awkward.
std::string typedStake(double money, Random& random)
{
    switch (drawWhole(random, 10)) {
    case 1:
        return "0";
    case 2:
        return writeNumber(money);  // everything
    case 3:
        return writeNumber(std::floor(money * random.next() * 100) / 100);  // pennies
    case 4:
        return writeNumber(money + 1);  // too much: refused
    case 5:
        return "-1";  // refused
    case 6:
        return "ten";  // refused
    default:
        return writeNumber(std::floor(money * random.next()) + (money >= 1 ? 1 : 0));
    }
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
    const char* levels[] = {"easy", "medium", "hard"};
    int games = 0, weeksInGame = 0, refusals = 0, computerBets = 0;

    auto newSetUp = [&] {
        newGame(s);
        const bool computer = drawWhole(random, 2) == 1;
        choosePlayerCount(s, drawWhole(random, 4), computer);
        if (computer) {
            pickLevel(s, levels[drawWhole(random, 3) - 1]);
            drawOpponentName(s, random);
            confirmOpponent(s);
        }
        confirmNames(s);
        ++games;
        weeksInGame = 0;
    };
    newSetUp();

    for (int week = 0; week < weeks; ++week) {
        // Players type stakes until RACE! accepts them all.
        for (auto& p : s.players) {
            p.horse = drawWhole(random, 6);
            if (p.canBet)
                stakeChanged(s, static_cast<int>(&p - s.players.data()) + 1, typedStake(value(p.money), random));
        }
        const RaceButton button = s.betting.raceButton1Visible ? RaceButton::Plain : RaceButton::WithComputer;
        RaceClick click = clickRace(s, button);
        for (int tries = 0; click.refusal; ++tries) {
            QVERIFY(tries < 8);
            ++refusals;
            stakeChanged(s, click.refusal->slot, "1");
            if (value(s.players[click.refusal->slot - 1].money) < 1)
                stakeChanged(s, click.refusal->slot, "0");
            click = clickRace(s, button);
        }
        const auto players = s.players;

        if (click.route == RaceRoute::ComputerBet) {
            QVERIFY(s.computer.takesPart && !s.computer.outOfMoney);
            ++computerBets;
            for (int step = 0; !s.calc.continueEnabled; ++step) {
                QVERIFY(step < 100);
                if (s.calc.timer1)
                    computerHorseStep(s, random);
                else if (s.calc.timer3)
                    computerHardStep(s, random);
                else if (s.calc.timer2)
                    computerStakeStep(s, random);
            }
            const double stake = value(s.calc.stake);
            QVERIFY(stake >= 1 && stake <= value(s.computerRecord.after) && stake == std::floor(stake));
            computerContinue(s);
        } else {
            QCOMPARE(click.route, RaceRoute::Racecourse);
            QVERIFY(!s.computer.takesPart || s.computer.outOfMoney);
        }
        QVERIFY(s.course.timerArmed);
        drawCourse(s, random);

        startRace(s);
        int winner = 0;
        for (int tick = 0; !winner; ++tick) {
            QVERIFY(tick < 200000);
            const int horse = tick % kHorseCount + 1;
            if (horseTick(s, horse, random).won)
                winner = horse;
        }
        for (int horse = 1; horse <= kHorseCount; ++horse) {
            const int p = s.race.positions[horse - 1];
            QVERIFY(p >= kStartPosition && p <= kFinishPosition && (p - kStartPosition) % kStep == 0);
            QCOMPARE(p == kFinishPosition, horse == winner);
        }
        ++weeksInGame;
        QCOMPARE(std::accumulate(s.winCounts.begin(), s.winCounts.end(), 0), weeksInGame);

        // Every line: after = before + stake x odds on the winner, before -
        // stake otherwise; a finite, readable, non-negative text.
        const int odds = s.odds[winner - 1];
        auto check = [&](const BetLine& line) {
            const double before = value(line.before), stake = value(line.stake), after = value(line.after);
            QVERIFY(std::isfinite(before) && std::isfinite(stake) && std::isfinite(after));
            QVERIFY(stake >= 0 && stake <= before);
            const double expected = line.horse == std::to_string(winner) ? before + stake * odds : before - stake;
            QCOMPARE(line.after, writeNumber(expected));
            QVERIFY(after >= 0);
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
            QCOMPARE(s.players[i].money, s.record[i].after);
            QCOMPARE(s.players[i].stake, std::string("0"));
            QCOMPARE(s.players[i].horse, 1);
            anyone = anyone || s.players[i].canBet;
        }
        QCOMPARE(over, !anyone);
        // Once out, the computer stays out for the game, whatever its stale
        // record settles to afterwards.
        if (s.computer.takesPart)
            QCOMPARE(s.computer.outOfMoney, computerWasOut || s.computerRecord.after == "0");
        QVERIFY(!s.computer.outOfMoney || !s.computer.moneyLineVisible);
        for (int k : s.odds)
            QVERIFY(k >= 1 && k <= 100);
        QVERIFY(s.betting.raceButtonsEnabled);
        QCOMPARE(s.race.status, std::string("Status:- Getting Ready For Start"));
        if (over)
            newSetUp();
    }
    qInfo("%d weeks in %d games, %d refused stakes, %d computer bets", weeks, games, refusals, computerBets);
    QVERIFY(games > 1 && refusals > 0 && computerBets > 0);
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
