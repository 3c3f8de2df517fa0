// The race: a horse's tick, the finish, the settlement, the next week, and
// the race screen driven through its own buttons and timers.
#include <algorithm>
#include <cmath>
#include <numeric>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "betting/betting_rules.h"
#include "core/number_text.h"
#include "race/race_rules.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::control;
using furlox::test::fireTimer;
using furlox::test::Game;
using furlox::test::statusText;
using Odds = std::array<int, kHorseCount>;

namespace {

const QString kReady = "Status:- Getting Ready For Start";
const QString kRacing = "Status:- Racing";
const QString kPaused = "Status:- Game Paused";
const QStringList kWinners{"Horse 1 (RED) Has Won!",    "Horse 2 (YELLOW) Has Won!", "Horse 3 (ORANGE) Has Won!",
                           "Horse 4 (GREEN) Has Won!",  "Horse 5 (BLUE) Has Won!",   "Horse 6 (PURPLE) Has Won!"};

bool onTrack(int position)
{
    return position >= kStartPosition && position <= kFinishPosition && (position - kStartPosition) % kStep == 0;
}

GameState racing(const Odds& odds)
{
    GameState s;
    s.odds = odds;
    startRace(s);
    return s;
}

// The race screen and its controls, reached by their object names.
struct RaceControls {
    Screen* screen = nullptr;
    QPushButton* Command1 = nullptr;  // GO!
    QPushButton* Command2 = nullptr;  // NEXT WEEK
    QPushButton* Command3 = nullptr;  // PAUSE
    std::array<QLabel*, kHorseCount + 1> Image{};  // Image[1] .. Image[6]
    std::array<QTimer*, kHorseCount + 1> Timer{};  // Timer[1] .. Timer[6]
};

// The race screen as the racecourse hands over to it. The betting screen is
// made first, since making it draws the first odds; then the week's odds.
RaceControls showRace(Game& g, const Odds& odds)
{
    g.screens.get(ScreenId::betit);
    g.state.odds = odds;
    g.screens.show(ScreenId::ingame);
    RaceControls race;
    race.screen = &g.screens.get(ScreenId::ingame);
    race.Command1 = control<QPushButton>(g.screens, ScreenId::ingame, "Command1");
    race.Command2 = control<QPushButton>(g.screens, ScreenId::ingame, "Command2");
    race.Command3 = control<QPushButton>(g.screens, ScreenId::ingame, "Command3");
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        race.Image[horse] = control<QLabel>(g.screens, ScreenId::ingame, QString("Image%1").arg(horse));
        race.Timer[horse] = control<QTimer>(g.screens, ScreenId::ingame, QString("Timer%1").arg(horse));
    }
    return race;
}

// The betting screen's stake box of slot 1..4.
QLineEdit* stakeBox(Screens& screens, int slot)
{
    return control<QLineEdit>(screens, ScreenId::betit, QString("Text%1").arg(slot));
}

// The betting screen's option button of slot 1..4 for horse 1..6: slot 1
// numbers them Option1..Option6 downwards, the others upwards (slot 2's
// horse 1 is Option12).
QRadioButton* option(Screens& screens, int slot, int horse)
{
    const int number = slot == 1 ? horse : 6 * slot + 1 - horse;
    return control<QRadioButton>(screens, ScreenId::betit, QString("Option%1").arg(number));
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

class RaceTest : public QObject {
    Q_OBJECT
private slots:
    void tick_data();
    void tick();
    void oddsOneWinsOnItsFiftySeventhMove();
    void finish_data();
    void finish();
    void moveChance_data();
    void moveChance();
    void settle_data();
    void settle();
    void severalWinnersEachPaidAtTheSameOdds();
    void nextWeekResetsTheWeek();
    void nextWeekComputer_data();
    void nextWeekComputer();
    void gameOver_data();
    void gameOver();

    void layout();
    void goShowsPause();
    void pauseFreezesEveryHorse();
    void finishLeavesOnlyNextWeek();
    void statusShowsOnlyItsTexts();
    void nextWeekHandsOver_data();
    void nextWeekHandsOver();
    void spaceBarFollowsTheVisibleButton_data();
    void spaceBarFollowsTheVisibleButton();
};

// ---- rules ----------------------------------------------------------------

void RaceTest::tick_data()
{
    QTest::addColumn<int>("odds");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("moves");
    QTest::addRow("odds 1, x=1 moves") << 1 << 1 << true;
    QTest::addRow("odds 2, x=1 stands") << 2 << 1 << false;
    QTest::addRow("odds 2, x=2 moves") << 2 << 2 << true;
    QTest::addRow("odds 3, x=1 stands") << 3 << 1 << false;
    QTest::addRow("odds 3, x=2 moves") << 3 << 2 << true;
    QTest::addRow("odds 99, x=49 stands") << 99 << 49 << false;
    QTest::addRow("odds 99, x=50 moves") << 99 << 50 << true;
    QTest::addRow("odds 100, x=50 stands: not strictly above half") << 100 << 50 << false;
    QTest::addRow("odds 100, x=51 moves") << 100 << 51 << true;
}

void RaceTest::tick()
{
    QFETCH(int, odds);
    QFETCH(int, x);
    QFETCH(bool, moves);
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        GameState s = racing({100, 100, 100, 100, 100, 100});
        s.odds[horse - 1] = odds;
        test::ScriptedRandom random;
        random.pushDraw(x, odds);
        const TickResult result = horseTick(s, horse, random);
        QCOMPARE(result.moved, moves);
        QVERIFY(!result.won);
        QCOMPARE(random.reseeds, 1);  // a fresh reseed before the one draw
        QCOMPARE(random.draws, 1);
        for (int other = 1; other <= kHorseCount; ++other)
            QCOMPARE(s.race.positions[other - 1], other == horse && moves ? 360 : 240);
    }
}

void RaceTest::oddsOneWinsOnItsFiftySeventhMove()
{
    GameState s = racing({1, 100, 100, 100, 100, 100});
    test::ScriptedRandom random;
    for (int move = 1; move <= 56; ++move) {
        const TickResult result = horseTick(s, 1, random);
        QVERIFY(result.moved && !result.won);
    }
    QCOMPARE(s.race.positions[0], 6960);
    QVERIFY(horseTick(s, 1, random).won);
    QCOMPARE(s.race.positions[0], kFinishPosition);
    // Nothing moves after the winner's step, not even on a draw that would move it.
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        random.pushDraw(100, 100);
        QVERIFY(!horseTick(s, horse, random).moved);
    }
    QCOMPARE(s.race.positions[0], kFinishPosition);
}

void RaceTest::finish_data()
{
    QTest::addColumn<int>("horse");
    for (int horse = 1; horse <= kHorseCount; ++horse)
        QTest::addRow("%s", qPrintable(kWinners[horse - 1])) << horse;
}

void RaceTest::finish()
{
    QFETCH(int, horse);
    GameState s = racing({1, 1, 1, 1, 1, 1});
    s.winCounts = {1, 2, 3, 4, 5, 6};
    s.race.positions.fill(6960);
    test::ScriptedRandom random;
    QVERIFY(horseTick(s, horse, random).won);

    QCOMPARE(qs(s.race.status), kWinners[horse - 1]);
    for (int n = 1; n <= kHorseCount; ++n)
        QCOMPARE(s.winCounts[n - 1], n == horse ? n + 1 : n);
    QVERIFY(!s.race.timersOn);
    QVERIFY(!s.race.goVisible && !s.race.goEnabled && !s.race.pauseVisible);
    QVERIFY(s.race.nextVisible && s.race.nextEnabled);
    QVERIFY(!s.race.paused);
    // Exactly one winner: the others stay one step short.
    for (int n = 1; n <= kHorseCount; ++n) {
        QVERIFY(!horseTick(s, n, random).moved);
        QCOMPARE(s.race.positions[n - 1], n == horse ? kFinishPosition : 6960);
    }
}

void RaceTest::moveChance_data()
{
    QTest::addColumn<int>("odds");
    for (int k : {1, 2, 3, 99, 100})
        QTest::addRow("odds %d", k) << k;
}

void RaceTest::moveChance()
{
    QFETCH(int, odds);
    SeededRandom random(0xface + static_cast<std::uint64_t>(odds));
    random.setClockMixing(false);
    GameState s = racing({odds, odds, odds, odds, odds, odds});
    constexpr int kTicks = 400000;
    int moves = 0;
    for (int i = 0; i < kTicks; ++i) {
        s.race.positions[0] = kStartPosition;
        moves += horseTick(s, 1, random).moved ? 1 : 0;
    }
    const double p = std::ceil(odds / 2.0) / odds;
    const double expected = kTicks * p;
    const double sd = std::sqrt(kTicks * p * (1 - p));
    QVERIFY2(std::abs(moves - expected) <= 5 * sd,
             qPrintable(QString("%1 moves, expected %2 +- %3").arg(moves).arg(expected).arg(5 * sd)));
}

void RaceTest::settle_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("backed");
    QTest::addColumn<int>("odds");  // of the winner, horse 3
    QTest::addColumn<QString>("after");
    QTest::addRow("win pays stake x odds on top") << "50" << "10" << "3" << 3 << "80";
    QTest::addRow("loss takes the stake") << "50" << "10" << "2" << 3 << "40";
    QTest::addRow("winning stake 0 leaves the money") << "50" << "0" << "3" << 57 << "50";
    QTest::addRow("losing stake 0 leaves the money") << "50" << "0" << "1" << 57 << "50";
    QTest::addRow("odds 1 pays the stake once") << "50" << "20" << "3" << 1 << "70";
    QTest::addRow("odds 100") << "50" << "50" << "3" << 100 << "5050";
    QTest::addRow("fractional win, no trailing zero") << "5" << "2.5" << "3" << 3 << "12.5";
    QTest::addRow("0.3 minus 0.1") << "0.3" << "0.1" << "6" << 3 << "0.2";
    QTest::addRow("stake as typed with blanks") << "50" << " 7 " << "4" << 3 << "43";
    QTest::addRow("all on a loser goes out") << "50" << "50" << "1" << 3 << "0";
    QTest::addRow("0.5 left stays in") << "1" << "0.5" << "1" << 3 << "0.5";
    QTest::addRow("already at 0 stays out") << "0" << "0" << "1" << 3 << "0";
}

void RaceTest::settle()
{
    QFETCH(QString, before);
    QFETCH(QString, stake);
    QFETCH(QString, backed);
    QFETCH(int, odds);
    QFETCH(QString, after);
    // Every slot and the computer hold the same bet; the other horses' odds
    // differ, so reading the wrong horse's odds shows.
    GameState s;
    s.computer.takesPart = true;
    s.odds = {9, 9, odds, 9, 9, 9};
    const BetLine line{before.toStdString(), stake.toStdString(), backed.toStdString(), "unset"};
    s.record.fill(line);
    s.computerRecord = line;
    settleRace(s, 3);
    for (int i = 0; i < kSlotCount; ++i) {
        QCOMPARE(qs(s.record[i].after), after);
        QCOMPARE(s.players[i].canBet, after != "0");
    }
    QCOMPARE(qs(s.computerRecord.after), after);
    // The computer at "0" keeps its betting-screen display until next week.
    QVERIFY(!s.computer.outOfMoney && s.computer.moneyLineVisible);
    QCOMPARE(qs(s.computer.moneyShown), QString("50"));
}

void RaceTest::severalWinnersEachPaidAtTheSameOdds()
{
    GameState s;
    s.computer.takesPart = true;
    s.odds = {2, 3, 4, 5, 6, 7};
    s.record = {BetLine{"50", "10", "3", ""}, BetLine{"50", "10", "5", ""}, BetLine{"50", "1", "3", ""},
                BetLine{"50", "50", "6", ""}};
    s.computerRecord = {"20", "2", "3", ""};
    settleRace(s, 3);
    QCOMPARE(qs(s.record[0].after), QString("90"));
    QCOMPARE(qs(s.record[1].after), QString("40"));
    QCOMPARE(qs(s.record[2].after), QString("54"));
    QCOMPARE(qs(s.record[3].after), QString("0"));
    QCOMPARE(qs(s.computerRecord.after), QString("28"));
    QVERIFY(s.players[0].canBet && s.players[1].canBet && s.players[2].canBet);
    QVERIFY(!s.players[3].canBet);

    // A computer not in this game keeps its money, whatever bet an earlier
    // game's computer left in the record.
    s.computer.takesPart = false;
    s.computerRecord = {"50", "50", "2", "50"};
    settleRace(s, 3);
    QCOMPARE(qs(s.computerRecord.after), QString("50"));
}

void RaceTest::nextWeekResetsTheWeek()
{
    // A finished week: slot 2 went out, the computer too; stakes and choices
    // still stand, RACE! was switched off by an emptied box.
    GameState s = racing({1, 1, 1, 1, 1, 1});
    s.race.positions = {960, 1080, 7080, 240, 6960, 3000};
    finishRace(s, 3);
    s.computer.takesPart = true;
    s.record = {BetLine{"", "", "", "80"}, BetLine{"", "", "", "0"}, BetLine{"", "", "", "12.5"},
                BetLine{"", "", "", "50"}};
    for (int i = 0; i < kSlotCount; ++i)
        s.players[i].canBet = i != 1;
    s.computerRecord.after = "0";
    for (auto& slot : s.players) {
        slot.stake = "5";
        slot.horse = 4;
    }
    s.betting.raceButtonsEnabled = false;
    s.race.pauseCaption = "UNPAUSE GAME";

    test::ScriptedRandom random;
    const Odds odds{1, 100, 37, 2, 99, 50};
    for (int k : odds)
        random.pushDraw(k, 100);
    QVERIFY(!nextWeek(s, random));

    QVERIFY(s.computer.outOfMoney);
    QVERIFY(!s.computer.moneyLineVisible);
    QCOMPARE(qs(s.computer.moneyShown), QString("0"));
    const QStringList money{"80", "0", "12.5", "50"};
    for (int i = 0; i < kSlotCount; ++i) {
        QCOMPARE(qs(s.players[i].money), money[i]);
        QCOMPARE(qs(s.players[i].stake), QString("0"));
        QCOMPARE(s.players[i].horse, 1);
    }
    QVERIFY(!s.players[1].canBet);
    QVERIFY(s.betting.raceButtonsEnabled);
    QCOMPARE(s.odds, odds);
    QCOMPARE(random.reseeds, 6);
    for (int p : s.race.positions)
        QCOMPARE(p, kStartPosition);
    QCOMPARE(qs(s.race.status), kReady);
    QVERIFY(!s.race.timersOn && !s.race.paused);
    QVERIFY(s.race.goVisible && s.race.goEnabled);
    QVERIFY(s.race.nextVisible && !s.race.nextEnabled);  // stays beneath GO!
    QVERIFY(!s.race.pauseVisible && s.race.pauseEnabled);  // hidden until GO! shows it
    QCOMPARE(qs(s.race.pauseCaption), QString("PAUSE GAME"));
}

void RaceTest::nextWeekComputer_data()
{
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("wasOut");
    QTest::addColumn<bool>("out");
    QTest::addRow("reaches 0: out") << "0" << false << true;
    QTest::addRow("0.5 left: still in") << "0.5" << false << false;
    QTest::addRow("once out, out for the game") << "30" << true << true;
}

void RaceTest::nextWeekComputer()
{
    QFETCH(QString, after);
    QFETCH(bool, wasOut);
    QFETCH(bool, out);
    GameState s;
    s.computer.takesPart = true;
    s.computer.outOfMoney = wasOut;
    s.computer.moneyLineVisible = !wasOut;
    s.computerRecord.after = after.toStdString();
    test::ScriptedRandom random;
    nextWeek(s, random);
    QCOMPARE(s.computer.outOfMoney, out);
    QCOMPARE(s.computer.moneyLineVisible, !out);
    QCOMPARE(qs(s.computer.moneyShown), after);
}

void RaceTest::gameOver_data()
{
    QTest::addColumn<QList<bool>>("canBet");
    QTest::addColumn<QString>("computerAfter");
    QTest::addColumn<bool>("over");
    QTest::addRow("every slot out") << QList<bool>{false, false, false, false} << "0" << true;
    QTest::addRow("only the computer has money") << QList<bool>{false, false, false, false} << "80" << true;
    QTest::addRow("slot 1 left") << QList<bool>{true, false, false, false} << "0" << false;
    QTest::addRow("slot 4 left") << QList<bool>{false, false, false, true} << "0" << false;
}

void RaceTest::gameOver()
{
    QFETCH(QList<bool>, canBet);
    QFETCH(QString, computerAfter);
    QFETCH(bool, over);
    GameState s;
    for (int i = 0; i < kSlotCount; ++i)
        s.players[i].canBet = canBet[i];
    s.computer.takesPart = true;
    s.computerRecord.after = computerAfter.toStdString();
    test::ScriptedRandom random;
    QCOMPARE(nextWeek(s, random), over);
}

void RaceTest::layout()
{
    Game g;
    const RaceControls race = showRace(g, {1, 1, 1, 1, 1, 1});
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        QLabel* picture = test::child<QLabel>(race.screen, QString("Image%1").arg(horse));
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(16, 56 * horse, 48, 42));
        QCOMPARE(picture->accessibleName(), qs(horseLabel(horse)));
        QVERIFY(!picture->pixmap().isNull());
        QTimer* timer = test::child<QTimer>(race.screen, QString("Timer%1").arg(horse));
        QVERIFY(timer && !timer->isActive());
        QCOMPARE(timer->interval(), 100);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }
    QCOMPARE(race.Command1->text(), QString("//\\\\__==--GO!--==__//\\\\"));
    QCOMPARE(race.Command1->text().size(), 23);
    // GO! covers PAUSE, which covers NEXT WEEK.
    const QPoint middle = race.Command1->geometry().center();
    race.Command3->show();
    race.Command2->show();
    QCOMPARE(race.screen->childAt(middle), race.Command1);
    race.Command1->hide();
    QCOMPARE(race.screen->childAt(middle), race.Command3);
    race.Command3->hide();
    race.Command2->show();
    QCOMPARE(race.screen->childAt(middle), race.Command2);
    race.Command3->show();
    QCOMPARE(race.screen->childAt(middle), race.Command3);
    QCOMPARE(statusText(g.screens), kReady);

    // A new speed reaches the idle timers.
    g.state.race.tickInterval = 30;
    race.screen->refresh();
    QCOMPARE(race.Timer[4]->interval(), 30);
}

void RaceTest::goShowsPause()
{
    Game g;
    const RaceControls race = showRace(g, {5, 5, 5, 5, 5, 5});
    test::click(race.Command1);
    QVERIFY(!race.Command1->isVisible());
    QVERIFY(race.Command3->isVisible() && race.Command3->isEnabled());
    QCOMPARE(race.Command3->text(), QString("PAUSE GAME"));
    QCOMPARE(statusText(g.screens), kRacing);
    for (int horse = 1; horse <= kHorseCount; ++horse)
        QVERIFY(race.Timer[horse]->isActive());
}

void RaceTest::pauseFreezesEveryHorse()
{
    Game g;
    const RaceControls race = showRace(g, {1, 1, 1, 1, 1, 1});
    test::click(race.Command1);
    for (int horse = 1; horse <= kHorseCount; ++horse)
        QVERIFY(fireTimer(race.Timer[horse]));
    test::click(race.Command3);
    QCOMPARE(statusText(g.screens), kPaused);
    QCOMPARE(race.Command3->text(), QString("UNPAUSE GAME"));
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        QVERIFY(!fireTimer(race.Timer[horse]));
        // Even a tick delivered by hand moves nothing while paused.
        QVERIFY(QMetaObject::invokeMethod(race.Timer[horse], "timeout", Qt::DirectConnection));
    }
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        QCOMPARE(g.state.race.positions[horse - 1], 360);
        QCOMPARE(race.Image[horse]->x(), 24);
    }
    test::click(race.Command3);
    QCOMPARE(statusText(g.screens), kRacing);
    QCOMPARE(race.Command3->text(), QString("PAUSE GAME"));
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        QCOMPARE(race.Image[horse]->x(), 24);
        QVERIFY(fireTimer(race.Timer[horse]));
        QCOMPARE(race.Image[horse]->x(), 32);
    }
}

void RaceTest::finishLeavesOnlyNextWeek()
{
    Game g;
    g.state.race.positions[2] = 6960;
    const RaceControls race = showRace(g, {1, 1, 1, 1, 1, 1});
    QCOMPARE(race.Image[3]->x(), 464);
    test::click(race.Command1);
    QVERIFY(fireTimer(race.Timer[3]));
    QCOMPARE(statusText(g.screens), kWinners[2]);
    QCOMPARE(race.Image[3]->x(), 472);
    QVERIFY(!race.Command1->isVisible() && !race.Command3->isVisible());
    QVERIFY(race.Command2->isVisible() && race.Command2->isEnabled());
    QCOMPARE(race.screen->childAt(race.Command2->geometry().center()), race.Command2);
    for (int horse = 1; horse <= kHorseCount; ++horse)
        QVERIFY(!fireTimer(race.Timer[horse]));
}

void RaceTest::statusShowsOnlyItsTexts()
{
    Game g;
    const RaceControls race = showRace(g, {3, 10, 50, 99, 100, 7});
    const QSet<QString> allowed = QSet<QString>{kReady, kRacing, kPaused} + QSet<QString>(kWinners.begin(), kWinners.end());
    auto check = [&] {
        QVERIFY2(allowed.contains(statusText(g.screens)), qPrintable(statusText(g.screens)));
        for (int horse = 1; horse <= kHorseCount; ++horse) {
            const int p = g.state.race.positions[horse - 1];
            QVERIFY(onTrack(p));
            QCOMPARE(race.Image[horse]->x(), p / 15);
        }
    };
    check();
    test::click(race.Command1);
    int ticks = 0;
    for (bool running = true; running; ++ticks) {
        QVERIFY(ticks < 100000);
        if (ticks % 50 == 49) {
            test::click(race.Command3);
            check();
            test::click(race.Command3);
        }
        running = false;
        for (int horse = 1; horse <= kHorseCount; ++horse)
            running = fireTimer(race.Timer[horse]) || running;
        check();
    }
    QCOMPARE(std::count(g.state.race.positions.begin(), g.state.race.positions.end(), kFinishPosition), 1);
    QVERIFY(kWinners.contains(statusText(g.screens)));
}

void RaceTest::nextWeekHandsOver_data()
{
    QTest::addColumn<QString>("backed");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("money");
    QTest::addRow("a player left: back to betting") << "1" << "10" << "betit" << "60";
    QTest::addRow("last player broke: game over") << "2" << "50" << "gameover" << "0";
}

void RaceTest::nextWeekHandsOver()
{
    QFETCH(QString, backed);
    QFETCH(QString, stake);
    QFETCH(QString, screen);
    QFETCH(QString, money);
    Game g;
    choosePlayerCount(g.state, 1, false);
    g.state.race.positions[0] = 6960;
    const RaceControls race = showRace(g, {1, 1, 1, 1, 1, 1});
    g.state.record[0] = BetLine{"50", stake.toStdString(), backed.toStdString(), "50"};
    test::click(race.Command1);
    QVERIFY(fireTimer(race.Timer[1]));
    test::click(race.Command2);

    QCOMPARE(g.visibleNames(), QStringList{screen});
    QCOMPARE(control<QLabel>(g.screens, ScreenId::betit, "Label5")->text(), money);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        QCOMPARE(stakeBox(g.screens, slot)->text(), QString("0"));
        QVERIFY(option(g.screens, slot, 1)->isChecked());
    }
    QCOMPARE(stakeBox(g.screens, 1)->isEnabled(), money != "0");
    QCOMPARE(statusText(g.screens), kReady);
    QVERIFY(race.Command1->isVisibleTo(race.screen) && race.Command1->isEnabled());
    QVERIFY(!race.Command2->isEnabled());
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        QCOMPARE(race.Image[horse]->x(), 16);
        QVERIFY(!race.Timer[horse]->isActive());
    }
}

void RaceTest::spaceBarFollowsTheVisibleButton_data()
{
    QTest::addColumn<bool>("secondWeek");
    QTest::addRow("first week: PAUSE beneath GO!") << false;
    QTest::addRow("later weeks: NEXT WEEK beneath GO!") << true;
}

void RaceTest::spaceBarFollowsTheVisibleButton()
{
    // A player on the keyboard: the focus must move on to the button that
    // takes the hidden one's place, never stay on a hidden button.
    QFETCH(bool, secondWeek);
    Game g;
    choosePlayerCount(g.state, 1, false);
    g.state.record[0] = BetLine{"50", "0", "1", "50"};
    if (secondWeek) {
        g.state.race.pauseVisible = false;
        g.state.race.nextVisible = true;
    }
    const RaceControls race = showRace(g, {1, 1, 1, 1, 1, 1});
    QVERIFY(QTest::qWaitForWindowActive(race.screen));
    race.Command1->setFocus();
    auto space = [] {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused && focused->isVisible());
        QTest::keyClick(focused, Qt::Key_Space);
    };
    space();
    QCOMPARE(statusText(g.screens), kRacing);
    space();
    QCOMPARE(statusText(g.screens), kPaused);
    space();
    QCOMPARE(statusText(g.screens), kRacing);
    g.state.race.positions[1] = 6960;
    QVERIFY(fireTimer(race.Timer[2]));
    QCOMPARE(QApplication::focusWidget(), race.Command2);
    space();
    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    QCOMPARE(std::accumulate(g.state.winCounts.begin(), g.state.winCounts.end(), 0), 1);
}

QTEST_MAIN(RaceTest)
#include "test_race.moc"
