// SPDX-License-Identifier: GPL-3.0-or-later
// The rules alone, without a window, each to the exact value; then a seeded
// soak with the invariants checked after every week; last the start-up,
// which makes its own application.
#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <algorithm>
#include <map>
#include <set>

#include "betting/betting_rules.h"
#include "computer/computer_rules.h"
#include "core/number_text.h"
#include "options/options_rules.h"
#include "race/commentary.h"
#include "race/race_rules.h"
#include "screens/language.h"
#include "screens/startup.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::Odds;
using furlox::test::ScriptedRandom;
using S = std::string;

namespace {

constexpr double kTop = 1.0 - 1.0 / 16777216;  // the largest value below 1
const Odds kAll100{100, 100, 100, 100, 100, 100};

// A record in the middle of a game: every field away from its first value.
GameState played()
{
    GameState s;
    for (int i = 0; i < kSlotCount; ++i)
        s.players[i] = {"P" + std::to_string(i), "T", false, false, "7", "3", 4};
    s.computer = {true, false, "Wobblethorpe", "Wobblethorpe's money:", "9", false, "hard"};
    s.odds = {9, 8, 7, 6, 5, 4};
    s.record = {BetLine{"7", "3", "4", "0"}, {"7", "0", "1", "7"}, {"8", "1", "2", "9"}, {"6", "2", "3", "4"}};
    s.computerRecord = {"9", "9", "2", "0"};
    s.winCounts = {1, 2, 3, 4, 5, 6};
    s.currency = "$";
    s.betting = {true, false, false, {{2, "old", WeekResult::Outcome::Lost, "1", "2"}}};
    s.race = {{3000, 3000, 3000, 3000, 3000, 7080}, true, true, 30, "x", false, false, false, false, "UNPAUSE GAME",
              true, true, 6, {{1, "Ann", WeekResult::Outcome::Won, "9", "16"}}};
    s.names.confirmed = true;
    s.difficulty = {false, true, false, true, true};
    s.course = {"Ascot", true};
    s.calc = {{"9", "8", "7", "6", "5", "4"}, "Finished!", 3, "5", "7", true, true, true, true};
    return s;
}


// The commentary's scripts: legs of horses 1, 2, ... set this many moves
// from the start (the rest at it; none given: where they were), then that
// many steps (0: PAUSE GAME pressed); the calls heard, each with its step.
using Legs = std::vector<std::pair<std::vector<int>, int>>;
using Heard = std::vector<std::pair<int, Call>>;

std::pair<int, Call> on(int step, CallKind kind, std::vector<int> horses = {}, std::vector<Backer> backers = {})
{
    return {step, {kind, kind == CallKind::Start ? "Chepstow" : "", std::move(horses), std::move(backers)}};
}

}  // namespace

Q_DECLARE_METATYPE(Legs)
Q_DECLARE_METATYPE(Heard)

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void numbersAndChance();
    void setUp();
    void stakes();
    void race();
    void commentary_data();
    void commentary();
    void settlementAndNextWeek();
    void computerSteps();
    void soak();
    void startup();
};

void RulesTest::numbersAndChance()
{
    const std::vector<std::pair<QString, double>> readable{
        {"50", 50}, {"7.5", 7.5}, {"-3", -3}, {"+4", 4}, {"  12\t", 12}, {".5", 0.5}, {"5.", 5}, {"0050", 50},
        {QString(400, '9'), HUGE_VAL}, {"0." + QString(400, '0') + "1", 0}};
    for (const auto& [text, value] : readable)
        QCOMPARE(readNumber(text.toStdString()).value_or(-1), value);
    for (const char* text : {"", "   ", "ten", "1.2.3", ".", "-", "+-5", "1e3", "1,000", "1 000", "0x10", "inf", "5a",
                             "\u0665"})
        QVERIFY2(!readNumber(text), text);
    const std::vector<std::pair<double, QString>> written{
        {65, "65"}, {42.5, "42.5"}, {-0.0, "0"}, {-7.25, "-7.25"}, {0.1 + 0.2, "0.3"},
        {123456789.123456789, "123456789.123457"}, {1e20, "100000000000000000000"}, {1e-7, "0.0000001"},
        {999999999999999.9, "1000000000000000"}, {std::nan(""), "0"}, {HUGE_VAL, "179769313486231" + QString(294, '0')}};
    for (const auto& [value, text] : written)
        QCOMPARE(QString::fromStdString(writeNumber(value)), text);
    // The speed typed: its range is tested on the number as read, then it rounds half to even.
    for (const auto& [text, interval] : {std::pair{"30", 30}, {"1000", 1000}, {"29", 0}, {"1001", 0}, {"1005", 0},
                                         {"29.6", 0}, {"1000.4", 0}, {"30.5", 30}, {"999.5", 1000}, {"0050", 50},
                                         {"", 0}, {"fast", 0}}) {
        GameState s;
        QVERIFY2(applySpeed(s, text) == (interval != 0) && s.race.tickInterval == (interval ? interval : 100), text);
    }
    // Chance: a seed gives the same values on every compiler, each a single-precision number in [0, 1).
    SeededRandom a(42), b(42);
    for (double v = a.next(), i = 0; i < 3; v = a.next(), ++i)
        QVERIFY(b.next() == v && v >= 0 && v < 1 && v == static_cast<float>(v));
    // The whole-number draw at the edges of [0, 1).
    for (int n : {1, 2, 6, 10, 14, 100}) {
        ScriptedRandom edge{0.0, kTop};
        QVERIFY(drawWhole(edge, n) == 1 && drawWhole(edge, n) == n);
    }
    // Reseeds that read the same clock value still give different draws.
    a.setClock([] { return std::uint64_t{123456789}; });
    std::set<double> seen;
    for (int i = 0; i < 600; ++i, a.reseedFromClock())
        seen.insert(a.next());
    QVERIFY(seen.size() > 590);
    // The odds: Int(r * 100 + 1) from 1 to 100, a reseed before each horse, once per run.
    GameState s;
    ScriptedRandom random{0.0, kTop};
    random.pushOdds({57, 57, 7, 100});
    setUpBetting(s, random);
    QVERIFY(s.odds == (Odds{1, 100, 57, 57, 7, 100}) && random.reseeds == 6);
    s.players[2].horse = 4;
    setUpBetting(s, random);
    QVERIFY(random.draws == 6 && s.players[2].horse == 4);
}

void RulesTest::setUp()
{
    GameState s;  // the count chosen: the soak, after games of each count
    choosePlayerCount(s, 1, false);  // one player is named too; the screens test names more, as typed
    s.players[0].typedName = "Solo";
    confirmNames(s);
    QCOMPARE(s.players[0].name + "|" + s.players[1].name, S("Solo|(NOT PLAYING)"));
    ScriptedRandom random;
    pickLevel(s, "medium");
    QVERIFY(s.difficulty.timerArmed && s.difficulty.tall && !s.difficulty.levelButtonsEnabled);
    for (int d = 1; d <= 14; ++d) {
        if (d <= 10) {
            random.pushDraw(d, 10);
            drawOpponentName(s, random);
            QCOMPARE(s.computer.name, S(kOpponentNames[d - 1]));
        }
        armCourseDraw(s);
        random.pushDraw(d, 14);
        drawCourse(s, random);
        QVERIFY(s.course.course == kCourses[d - 1] && !s.course.timerArmed);  // one draw per showing
    }
    QVERIFY(!s.difficulty.timerArmed && s.difficulty.continueEnabled && random.reseeds == 24);
    confirmOpponent(s);
    QCOMPARE(s.computer.heading + s.computer.level, S("Wobblethorpe's money:medium"));
    // A new game starts money, headings, computer, set-up screens and history again, and nothing else.
    s = played();
    s.computer.outOfMoney = true;
    GameState want = s;
    newGame(s);
    for (int k = 0; k < kSlotCount; ++k) {
        want.players[k].money = "50";
        want.players[k].name = k ? kNotPlaying : "P0";
    }
    want.computer.takesPart = want.computer.outOfMoney = false;
    want.computer.moneyShown = want.computerRecord.after = "50";
    want.computer.moneyLineVisible = want.betting.raceButton1Visible = want.difficulty.levelButtonsEnabled = true;
    want.difficulty.tall = want.difficulty.timerArmed = want.difficulty.continueEnabled = want.names.confirmed = false;
    want.winCounts = {};
    want.betting.news.clear();
    QVERIFY(s == want);
}

void RulesTest::stakes()
{
    // Each stake is checked in turn: not a number, then negative, then more
    // than the money (by value); an accepted one is recorded as typed.
    using P = std::optional<StakeProblem>;
    const P ok, much = StakeProblem::TooMuch, nan = StakeProblem::NotANumber, neg = StakeProblem::Negative;
    const std::vector<std::tuple<S, S, P>> rows{
        {"50", "50", ok}, {"50", "51", much}, {"50", "9", ok}, {"50", "100", much}, {"50", "0", ok},
        {"0.5", "0.5", ok}, {"0.5", "0.51", much}, {"50", " 10 ", ok}, {"50", "", nan}, {"50", "ten", nan},
        {"50", "1e1", nan}, {"50", "-0.01", neg}, {"50", "-500", neg}, {"50", "-1e3", nan}, {"50", S(500, '9'), much}};
    for (const auto& [money, stake, refusal] : rows) {
        GameState s;
        s.players[2] = {"", "", true, true, money, stake, 5};
        const RaceClick click = clickRace(s, RaceButton::Plain);
        QVERIFY2(click.refusal ? click.refusal->slot == 3 && P(click.refusal->problem) == refusal : !refusal, stake.c_str());
        QVERIFY2(click.refusal || s.record[2].stake + s.record[2].before + s.record[2].horse == stake + money + "5",
                 stake.c_str());
    }
    GameState s;
    s.odds = {3, 9, 27, 81, 100, 1};
    s.players[0].stake = "60";
    s.players[2].stake = "70";
    s.record[1].stake = "old";
    // Only the first refusal is shown; the odds were copied for the computer first.
    QCOMPARE(clickRace(s, RaceButton::Plain).refusal->slot, 1);
    QCOMPARE(s.calc.odds[5] + s.record[1].stake, S("1old"));
    s.players[0].stake = "5";
    QCOMPARE(clickRace(s, RaceButton::Plain).refusal->slot, 3);
    QCOMPARE(s.record[1].stake, S("0"));  // the players before were recorded
    // A slot that cannot bet cannot mend its stake: its leftover counts as 0.
    s.players[2].canBet = false;
    QVERIFY(!clickRace(s, RaceButton::Plain).refusal && s.record[2].stake == "0");
    // The computer's RACE! with no computer goes nowhere, but records the bets (the soak takes the other routes).
    GameState t;
    QVERIFY(clickRace(t, RaceButton::WithComputer).route == RaceRoute::Stay && !t.course.timerArmed && !t.calc.timer1 &&
            t.record[3].before == "50");
}

void RulesTest::race()
{
    // A horse moves when Int(k * r + 1) is strictly above k / 2, so with chance
    // ceil(k/2) / k: within 5 standard deviations over 400,000 seeded ticks.
    for (int odds : {1, 2, 3, 99, 100}) {
        GameState s;
        s.odds[0] = odds;
        SeededRandom random(odds);
        startRace(s);
        int moves = 0;
        for (int i = 0; i < 400000; ++i, s.race.positions[0] = kStartPosition)
            moves += horseTick(s, 1, random).moved;
        const double p = std::ceil(odds / 2.0) / odds;
        QVERIFY2(std::fabs(moves - p * 400000) <= 5 * std::sqrt(400000 * p * (1 - p)) + 1e-9, qPrintable(QString::number(odds)));
    }
    GameState s;
    s.odds = {1, 2, 2, 2, 2, 2};
    s.winCounts[0] = 2;
    ScriptedRandom random;
    startRace(s);
    random.push(0.5);  // odds 2, x = 2: a move, after a reseed
    QVERIFY(horseTick(s, 2, random).moved && random.reseeds == 1 && s.race.positions[1] == 360);
    QVERIFY(s.race.timersOn && !s.race.goVisible && s.race.pauseVisible && s.race.status == "Status:- Racing");
    togglePause(s);
    QVERIFY(s.race.paused && !s.race.timersOn && !horseTick(s, 1, random).moved);  // no horse moves while paused
    QCOMPARE(s.race.pauseCaption + s.race.status, S("UNPAUSE GAMEStatus:- Game Paused"));
    togglePause(s);
    QVERIFY(!s.race.paused && s.race.timersOn && s.race.pauseCaption + s.race.status == "PAUSE GAMEStatus:- Racing");
    for (int move = 1; move <= 56; ++move)
        QVERIFY(!horseTick(s, 1, random).won);
    QVERIFY(horseTick(s, 1, random).won && s.race.positions[0] == kFinishPosition);  // the 57th move wins
    QVERIFY(s.race.status == "Horse 1 (RED) Has Won!" && s.race.winner == 1 && s.winCounts[0] == 3);
    QVERIFY(!s.race.timersOn && !s.race.goVisible && !s.race.goEnabled && !s.race.pauseVisible);
    QVERIFY(s.race.nextVisible && s.race.nextEnabled && !horseTick(s, 2, random).moved);  // nobody after the winner
}

void RulesTest::commentary_data()
{
    using K = CallKind;
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("seed");  // a race run by horseTick with odds drawn from it; else odds of 2 and the legs
    QTest::addColumn<Legs>("legs");
    QTest::addColumn<Heard>("heard");
    // At 600 ms a step is 100 ms of race time: the start and a Lead take 1.56 s to say, the Halfway here 3.68 s.
    const auto go = on(0, K::Start);
    QTest::newRow("new leader, the next once the last is said; PAUSE at once, and the gap from the resume")
        << 600 << 0 << Legs{{{1}, 20}, {{1, 2}, 20}, {{3, 2}, 0}, {{}, 0}, {{}, 20}, {{3, 4}, 20}}
        << Heard{go, on(16, K::Lead, {1}), on(32, K::Lead, {2}), on(40, K::Paused, {1}), on(40, K::Resumed, {1}),
                 on(62, K::Lead, {2})};
    QTest::newRow("tie for the lead says nothing new, nor the horse last called ahead again") << 600 << 0
        << Legs{{{1}, 20}, {{1, 1}, 30}, {{}, 0}, {{}, 0}, {{2, 1}, 10}, {{2, 3}, 20}}  // 1.5 s after a short call
        << Heard{go, on(16, K::Lead, {1}), on(50, K::Paused), on(50, K::Resumed), on(65, K::Lead, {2})};
    QTest::newRow("halfway: the leader and every backed horse; the waiting Lead is stale") << 600 << 0
        << Legs{{{1}, 16}, {{1, 2}, 5}, {{1, 2, 29, 0, 5}, 40}, {{1, 2, 29, 30, 5}, 60}}
        << Heard{go, on(16, K::Lead, {1}), on(32, K::Halfway, {3}, {{1, "Ann", 5, 2}, {0, "Pompadoodle", 6, 6}}),
                 on(69, K::Lead, {4})};
    QTest::newRow("a new leader a move short of halfway waits for it") << 600 << 0
        << Legs{{{1}, 16}, {{1, 28}, 20}, {{1, 29}, 10}}
        << Heard{go, on(16, K::Lead, {1}), on(37, K::Halfway, {2}, {{1, "Ann", 5, 6}, {0, "Pompadoodle", 6, 6}})};
    QTest::newRow("final stretch: the leading three; the waiting halfway is stale") << 600 << 0
        << Legs{{{1}, 16}, {{29}, 5}, {{46, 45, 44}, 60}} << Heard{go, on(16, K::Lead, {1}), on(32, K::Stretch, {1, 2, 3})};
    QTest::newRow("short of time: a stretch of two, a Leads for a Lead, then nothing") << 250 << 0
        << Legs{{{50, 49, 48}, 40}, {{50, 54, 48}, 80}, {{55, 54, 48}, 30}}
        << Heard{go, on(38, K::Stretch, {1, 2}), on(106, K::Leads, {2})};
    QTest::newRow("the finish beats a waiting call, once") << 600 << 0
        << Legs{{{1}, 16}, {{1, 2}, 3}, {{1, 57}, 5}} << Heard{go, on(16, K::Lead, {1}), on(20, K::Finish, {2})};
    QTest::newRow("30 ms: a seeded race gets the start, a call and the finish") << 30 << 28 << Legs{}
        << Heard{go, on(312, K::Leads, {4}), on(601, K::Finish, {1})};
}

void RulesTest::commentary()
{
    QFETCH(int, interval);
    QFETCH(int, seed);
    QFETCH(Legs, legs);
    QFETCH(Heard, heard);
    GameState s;  // backers: Ann and the computer; not the slot without a stake, the one out, the one not playing
    s.players[0].name = "Ann";
    s.players[3].nameBoxEnabled = false;
    s.record = {BetLine{"50", "10", "5", "50"}, {"50", "0", "2", "50"}, {"0", "5", "2", "0"}, {"50", "5", "3", "50"}};
    s.computer.takesPart = true;
    s.computer.name = "Pompadoodle";
    s.computerRecord = {"50", "5", "6", "50"};
    s.race.tickInterval = interval;
    SeededRandom random(seed);
    random.setClockMixing(false);
    for (int& k : s.odds)
        k = seed ? drawWhole(random, 100) : 2;
    startRace(s);
    Commentary c;
    Heard got{{0, startCommentary(c, s)}};
    int step = 0;
    auto hear = [&](std::optional<Call> call) { call ? got.push_back({step, *call}) : void(); };
    for (const auto& [moves, steps] : legs) {
        for (std::size_t h = 0; h < kHorseCount && !moves.empty(); ++h)
            s.race.positions[h] = kStartPosition + kStep * (h < moves.size() ? moves[h] : 0);
        if (!steps)
            togglePause(s), hear(pauseCommentary(c, s));
        for (int i = 0; i < steps; ++i, hear(commentaryStep(c, s)))
            ++step;
    }
    for (int tick = 0; seed && s.race.timersOn && tick < 100000; ++tick, ++step, hear(commentaryStep(c, s)))
        horseTick(s, tick % kHorseCount + 1, random);
    QString said;  // " 16:1,3": a Lead of horse 3 on step 16
    for (const auto& [n, call] : got)
        said += QString(" %1:%2,%3").arg(n).arg(int(call.kind)).arg(call.horses.empty() ? 0 : call.horses[0]);
    QVERIFY2(got == heard, qPrintable(said));
}

void RulesTest::settlementAndNextWeek()
{
    // The soak's sums at the edges: the horse matched as text, every slot settled,
    // only exactly 0 out, and a computer that is not in the game not settled.
    GameState s;
    s.odds = {5, 5, 12, 5, 5, 5};
    s.record = {BetLine{"50", "10", "3", ""}, {"0.5", "0.5", "03", ""}, {"0.5", "0", "3", ""}, {"50", "50", "2", ""}};
    s.computerRecord = {"50", "50", "3", "50"};
    settleRace(s, 3);
    const auto& r = s.record;
    QCOMPARE(r[0].after + "|" + r[1].after + "|" + r[2].after + "|" + r[3].after + "|" + s.computerRecord.after,
             S("170|0|0.5|0|50"));
    QVERIFY(s.players[0].canBet && !s.players[1].canBet && s.players[2].canBet && !s.players[3].canBet);
    // What a screen reader hears of it: everyone who bet (not the empty
    // slot nor the player out before the week), and the computer while it bets.
    choosePlayerCount(s, 4, true);
    for (int k = 0; k < 4; ++k)
        s.players[k].name = std::array{"Ann", "", "Cy", "Dee"}[k];
    s.record = {BetLine{"50", "10", "3", "170"}, {"40", "40", "2", "0"}, {"0", "0", "3", "0"}, {"50", "0", "3", "50"}};
    s.computer.name = "Pompadoodle";
    s.computerRecord = {"50", "5.5", "3", "116"};
    QCOMPARE(resultsText(weekResults(s, 3), "$"), QString("Ann won $120, now $170. Player 2 lost $40, now $0 and has run "
                                                          "out of money. Dee bet nothing, still $50. Pompadoodle won $66, now $116."));
    s.computer.outOfMoney = true;
    s.players[3].nameBoxEnabled = false;
    QCOMPARE(resultsText(weekResults(s, 3), "$"), QString("Ann won $120, now $170. Player 2 lost $40, now $0 and has run "
                                                          "out of money."));
    // Next week: the money carried over, new odds, the track, the pause button, a broke computer
    // marked out, the results passed on to the betting screen; nothing else changes.
    s = played();
    s.players[1].canBet = true;
    GameState want = s;
    ScriptedRandom random;
    random.pushOdds({2, 3, 4, 1, 5, 6});
    QVERIFY(!furlox::nextWeek(s, random));  // a slot can still bet
    want.computer.outOfMoney = true;
    want.computer.moneyLineVisible = false;
    want.computer.moneyShown = "0";
    for (int k = 0; k < kSlotCount; ++k)
        want.players[k] = {want.players[k].name, "T", k == 1, false, want.record[k].after, "0", 1};
    want.odds = {2, 3, 4, 1, 5, 6};
    want.betting.raceButtonsEnabled = true;
    want.betting.news = want.race.results;
    want.race = {{240, 240, 240, 240, 240, 240}, false, false, 30, "Status:- Getting Ready For Start", true, true,
                 false, true, "PAUSE GAME", true, false, 0, {}};
    QVERIFY(s == want);
}

void RulesTest::computerSteps()
{
    auto texts = [](const Odds& odds) {  // the odds as the calculation screen holds them
        std::array<S, 6> out;
        std::transform(odds.begin(), odds.end(), out.begin(), [](int k) { return std::to_string(k); });
        return out;
    };
    // The favourite, for each bracket and each place in its order of preference: the horses
    // preferred to that place sit at the bracket's bound (too high for it), the rest just under
    // it, and no horse is in a lower bracket. The scan must take the horse at that place.
    constexpr std::array<int, 6> bounds{5, 20, 40, 60, 80, 100};
    constexpr std::array<std::array<int, 6>, 6> orders{{{1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1}, {5, 4, 6, 3, 1, 2},
                                                        {2, 1, 5, 4, 3, 6}, {1, 6, 3, 4, 5, 2}, {4, 2, 5, 3, 1, 6}}};
    for (int b = 0; b < 6; ++b)
        for (int place = 0; place < 6; ++place) {
            Odds odds{};
            for (int i = 0; i < 6; ++i)
                odds[orders[b][i] - 1] = i < place ? bounds[b] : bounds[b] - 1;
            QVERIFY2(furlox::favouriteScan(texts(odds)) == orders[b][place],
                     qPrintable(QString("bracket %1, place %2").arg(b + 1).arg(place + 1)));
        }
    QCOMPARE(furlox::favouriteScan(texts({30, 4, 50, 3, 70, 90})).value_or(0), 2);  // order beats lower odds
    QVERIFY(!furlox::favouriteScan(texts(kAll100)));
    // The horse at each level, then the stake.
    GameState s;
    ScriptedRandom random;
    auto choose = [&](const char* level, const Odds& odds, std::vector<std::pair<int, int>> draws = {}) {
        for (const auto& [d, n] : draws)
            random.pushDraw(d, n);
        s.computer.level = level;
        s.calc = {};
        s.calc.odds = texts(odds);
        s.calc.timer1 = true;
        computerHorseStep(s, random);
        if (s.calc.timer3)
            computerHardStep(s, random);
        return s.calc.horse;
    };
    const Odds plain{30, 4, 50, 3, 70, 90};  // the favourite is horse 2
    QCOMPARE(choose("easy", plain, {{5, 6}}), 5);
    QVERIFY(!s.calc.timer1 && s.calc.timer2 && s.calc.status == "Calculating amount to bet.......");
    QVERIFY(choose("medium", plain, {{6, 10}, {4, 6}}) == 4 && s.calc.coin == "6");  // coin above 5: a uniform draw
    QCOMPARE(choose("medium", plain, {{5, 10}}), 2);                                  // coin 5: the favourite
    // No favourite: the step is tried again later.
    QVERIFY(choose("medium", kAll100, {{1, 10}}) == 0 && s.calc.timer1 && !s.calc.timer2);
    QCOMPARE(choose("hard", plain), 2);
    QVERIFY(!s.calc.timer1 && !s.calc.timer3 && s.calc.timer2);
    QCOMPARE(choose("hard", kAll100, {{3, 6}}), 3);  // no favourite: a uniform draw instead
    // The stake: a whole number from 1 to the money.
    s.computerRecord = {"7", "0", "0", "50"};
    for (const auto& [r, stake] : {std::pair{0.0, "1"}, {kTop, "50"}, {0.5, "26"}}) {
        s.calc.timer2 = s.calc.timer3 = true;
        random.push(r);
        computerStakeStep(s, random);
        QCOMPARE(s.calc.stake, S(stake));
    }
    QVERIFY(!s.calc.timer2 && !s.calc.timer3 && s.calc.continueEnabled && s.calc.status == "Finished!");
    computerContinue(s);
    QCOMPARE(s.computerRecord.horse + s.computerRecord.stake + s.computerRecord.before, S("32650"));
    QVERIFY(!s.calc.continueEnabled && s.calc.stake.empty() && !s.calc.horse && s.course.timerArmed &&
            s.calc.status == kCalcStatusReset);
}

// 10,000 seeded games of one to four players, every other one with a computer,
// the stakes typed at random, and every invariant checked after every week.
void RulesTest::soak()
{
    SeededRandom random(31337);
    random.setClockMixing(false);
    auto value = [](const S& text) { return readNumber(text).value_or(std::nan("")); };
    GameState s;
    int games = 0, refusals = 0, computerBets = 0;
    bool over = true;
    for (int week = 1; (games < 10000 || !over) && week < 200000; ++week) {
        if (over) {  // the count chosen after a game that ended, every slot out
            const int count = drawWhole(random, 4), computer = ++games % 2;
            newGame(s);
            QVERIFY((choosePlayerCount(s, count, computer) == AfterCount::Difficulty) == computer &&
                    s.computer.takesPart == computer && s.betting.raceButton1Visible != computer &&
                    (computer || s.computer.heading == kComputerNotPlaying));
            for (int k = 1; k <= kSlotCount; ++k)
                QVERIFY(s.players[k - 1].canBet == (k <= count) && s.players[k - 1].nameBoxEnabled == (k <= count));
            if (computer)
                pickLevel(s, std::array{"easy", "medium", "hard"}[games % 3]), confirmOpponent(s);
            confirmNames(s);
        }
        for (int slot = 1; slot <= kSlotCount; ++slot) {  // some, all, a penny, too much, negative or a word
            const double money = value(s.players[slot - 1].money);
            const S typed[] = {writeNumber(std::floor(money * random.next())), writeNumber(money), "0.01",
                               writeNumber(money + 1), "-1", "ten"};
            s.players[slot - 1].horse = drawWhole(random, 6);
            stakeChanged(s, slot, typed[drawWhole(random, 6) - 1]);
        }
        const auto players = s.players;
        const bool computerIn = s.computer.takesPart && !s.computer.outOfMoney;
        const RaceButton button = s.betting.raceButton1Visible ? RaceButton::Plain : RaceButton::WithComputer;
        RaceClick click;
        for (int tries = 0; (click = clickRace(s, button)).refusal && tries < 8; ++tries, ++refusals)
            stakeChanged(s, click.refusal->slot, "0");  // 0 is always taken
        QVERIFY(!click.refusal && (click.route == RaceRoute::ComputerBet) == computerIn && s.calc.timer1 == computerIn &&
                s.course.timerArmed != computerIn);
        for (computerBets += computerIn; computerIn && !s.calc.continueEnabled;)
            s.calc.timer1 ? computerHorseStep(s, random)
                          : s.calc.timer3 ? computerHardStep(s, random) : computerStakeStep(s, random);
        computerIn ? computerContinue(s) : void();
        drawCourse(s, random);
        startRace(s);
        int winner = 0;
        for (int tick = 0; !winner && tick < 200000; ++tick)
            winner = horseTick(s, tick % kHorseCount + 1, random).won ? tick % kHorseCount + 1 : 0;
        auto settled = [&](const BetLine& line) {  // after = before + stake x odds on the winner, - stake otherwise
            const double before = value(line.before), stake = value(line.stake);
            const double won = line.horse == std::to_string(winner) ? stake * s.odds[winner - 1] : -stake;
            return stake >= 0 && stake <= before && line.after == writeNumber(before + won);
        };
        QVERIFY(winner && (!computerIn || (settled(s.computerRecord) && value(s.computerRecord.stake) >= 1)));
        for (int i = 0; i < kSlotCount; ++i)
            QVERIFY(players[i].canBet ? settled(s.record[i]) && s.record[i].before == players[i].money &&
                                            s.players[i].canBet == (s.record[i].after != "0")
                                      : !s.players[i].canBet);
        over = nextWeek(s, random);
        QVERIFY(over == std::none_of(s.players.begin(), s.players.end(), [](auto& p) { return p.canBet; }) &&
                (!s.computer.takesPart || s.computer.outOfMoney == (!computerIn || s.computerRecord.after == "0")));
    }
    qInfo("%d games, %d refused stakes, %d computer bets", games, refusals, computerBets);
    QVERIFY(games == 10000 && over && refusals > 1000 && computerBets > 1000);
}

// Start-up: the splash is shown before the dialog font and the window icon
// are loaded, and every screen after it still gets both.
void RulesTest::startup()
{
    // The platform: X beside Wayland where there is one; otherwise, or at the user's word, Qt's choice.
    const std::vector<std::pair<std::map<std::string, std::string>, S>> environments{
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, "xcb;wayland"}, {{{"DISPLAY", ":0"}}, ""},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}, "xcb;wayland"},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}}, ""},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}, ""}};
    for (const auto& [env, platform] : environments)
        QCOMPARE(preferredPlatform([&env = env](const char* name) { return env.count(name) ? env.at(name) : S(); }), platform);
    int argc = 1;
    char name[] = "test_rules", *argv[] = {name, nullptr};
    QStringList seen, wrongFonts;
    const int code = runGame(argc, argv, [&](QWidget& splash) {
        seen << splash.objectName() << QString::number(splash.isVisible()) << QApplication::font().family()
             << QString::number(QApplication::windowIcon().isNull());
        // The rest is loaded right after this returns; then the splash's timer.
        QTimer::singleShot(0, qApp, [&] {
            seen << QApplication::font().family() << QString::number(QApplication::windowIcon().isNull());
            QMetaObject::invokeMethod(splash.findChild<QTimer*>("Timer1"), "timeout");
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible()) {
                    seen << window->objectName();
                    for (QWidget* part : window->findChildren<QWidget*>())
                        if (part->font().family() != QApplication::font().family())
                            wrongFonts << part->objectName();
                }
            QApplication::exit(7);
        });
    });
    QVERIFY(code == 7 && seen.size() == 7);  // the hook ran once
    QVERIFY(seen[0] == "title" && seen[1] == "1" && seen[3] == "1" && seen[5] == "0" && seen[6] == "selectpl");
    QVERIFY2(seen[2] != seen[4] && (seen[4] == "MS Sans Serif" || seen[4] == "DejaVu Sans Condensed"),
             qPrintable(seen.join('|')));
    QVERIFY2(wrongFonts.isEmpty(), qPrintable(wrongFonts.join(' ')));
}

QTEST_APPLESS_MAIN(RulesTest)
#include "test_rules.moc"
