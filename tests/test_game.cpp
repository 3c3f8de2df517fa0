// Whole games through the real screens, from the splash to "Game Over":
// every draw is scripted, so each week's outcome is known to the amount.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "betting/betting_screen.h"
#include "computer/calc_screen.h"
#include "options/currency_screen.h"
#include "options/gameover_screen.h"
#include "options/history_screen.h"
#include "options/speed_screen.h"
#include "race/race_screen.h"
#include "screens/look.h"
#include "screens/title_screen.h"
#include "setup/course_screen.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::click;
using furlox::test::fireTimer;
using furlox::test::Game;
using furlox::test::typeInto;

namespace {

using Odds = std::array<int, 6>;

// How the computer bets this week: the draws its timers will make.
struct ComputerScript {
    int coin = 0;   // medium only: 1..10
    int horse = 0;  // easy, or medium with a coin above 5: 1..6
    int stake = 0;  // 1..money
};

// Plays the game the way a player would, feeding the scripted source just
// before each draw is made.
class Player {
public:
    explicit Player(Game& game) : g(game), s(game.screens) {}

    void start()
    {
        s.start();
        QVERIFY(fireTimer(s.title().Timer1));
        QCOMPARE(g.visibleNames(), QStringList{"selectpl"});
    }

    void pushOdds(const Odds& odds)
    {
        for (int k : odds)
            g.random.pushDraw(k, 100);
    }

    // The player-count screen through to the betting screen.
    void setUp(int count, const QString& level, int nameDraw, const QStringList& names, const Odds& firstOdds)
    {
        SelectPlayersScreen& select = s.selectpl();
        if (select.Check1->isChecked() != !level.isEmpty())
            click(select.Check1);
        if (!g.state.betting.created)
            pushOdds(firstOdds);
        click(std::array<QPushButton*, 4>{select.Command1, select.Command2, select.Command3, select.Command4}[count - 1]);
        if (!level.isEmpty()) {
            DifficultyScreen& d = s.computerdifficulty();
            QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});
            click(level == "easy" ? d.Command2 : level == "medium" ? d.Command3 : d.Command4);
            g.random.pushDraw(nameDraw, 10);
            QVERIFY(fireTimer(d.Timer1));
            click(d.Command1);
        }
        NamesScreen& names_ = s.plname();
        QCOMPARE(g.visibleNames(), QStringList{"plname"});
        for (int i = 0; i < names.size(); ++i)
            typeInto(names_.nameBox(i + 1), names[i]);
        click(names_.Command1);
        QCOMPARE(g.visibleNames(), QStringList{"betit"});
    }

    void bet(int slot, const QString& stake, int horse)
    {
        BettingScreen& betit = s.betit();
        typeInto(betit.stakeBox(slot), stake);
        click(betit.option(slot, horse));
    }

    // RACE!, the computer's bet if it makes one, the course, the race won
    // by `winner`, and the click into the next week with `nextOdds`.
    void week(int winner, int course, const Odds& nextOdds, const ComputerScript& computer = {})
    {
        BettingScreen& betit = s.betit();
        click(betit.Command1->isVisible() ? betit.Command1 : betit.Command2);
        QVERIFY2(g.messages.isEmpty(), qPrintable(g.messages.join('|')));
        if (g.visibleNames() == QStringList{"computercalculation"}) {
            CalcScreen& calc = s.computercalculation();
            const std::string level = g.state.computer.level;
            if (level == "medium") {
                g.random.pushDraw(computer.coin, 10);
                if (computer.coin > 5)
                    g.random.pushDraw(computer.horse, 6);
            } else if (level == "easy") {
                g.random.pushDraw(computer.horse, 6);
            }
            QVERIFY(fireTimer(calc.Timer1));
            if (level == "hard")
                QVERIFY(fireTimer(calc.Timer3));
            QCOMPARE(calc.Label4->text(), QString("Calculating amount to bet......."));
            g.random.pushDraw(computer.stake, static_cast<int>(std::stod(g.state.computerRecord.after)));
            QVERIFY(fireTimer(calc.Timer2));
            QCOMPARE(calc.Label4->text(), QString("Finished!"));
            QCOMPARE(calc.Label6->text(), QString::number(computer.stake));
            click(calc.Command1);
        }
        CourseScreen& racecourse = s.racecourse();
        QCOMPARE(g.visibleNames(), QStringList{"racecourse"});
        g.random.pushDraw(course, 14);
        QVERIFY(fireTimer(racecourse.Timer1));
        click(racecourse.Command1);

        RaceScreen& race = s.ingame();
        QCOMPARE(g.visibleNames(), QStringList{"ingame"});
        click(race.Command1);
        // The winner draws high every tick and moves; the others draw 0,
        // which moves no horse with odds above 1.
        for (int round = 0; round < 100 && g.state.race.timersOn; ++round)
            for (int horse = 1; horse <= 6; ++horse)
                if (race.Timer[horse]->isActive()) {
                    g.random.push(horse == winner ? 0.999 : 0.0);
                    QVERIFY(fireTimer(race.Timer[horse]));
                }
        QCOMPARE(race.statusText(), QString::fromStdString(horseLabel(winner) + " Has Won!"));
        pushOdds(nextOdds);
        click(race.Command2);
        QCOMPARE(g.random.pending(), std::size_t(0));  // every scripted draw was used
    }

    QString money(int slot)
    {
        static const int labels[] = {0, 5, 6, 11, 16};
        return s.betit().Label[labels[slot]]->text();
    }

    Game& g;
    Screens& s;
};

}  // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void onePlayerToGameOver();
    void fourPlayersAgainstHardComputerThatGoesBroke();
    void twoPlayersEasyComputerWithSideScreensAndNewGame();
    void threePlayersMediumComputer();
    void wholeWeekFromTheKeyboard();
    void anyTextInAnyBoxLeavesTheGameWorking_data();
    void anyTextInAnyBoxLeavesTheGameWorking();
};

void GameTest::onePlayerToGameOver()
{
    Game game;
    Player p(game);
    p.start();
    p.setUp(1, "", 0, {"Ada"}, {5, 2, 3, 4, 6, 7});
    QCOMPARE(game.screens.betit().Frame1[0]->title(), QString("Ada"));
    QCOMPARE(game.screens.betit().Label[30]->text(), QString("--Computer Not Playing--"));

    p.bet(1, "10", 1);
    p.week(1, 8, {9, 3, 4, 5, 6, 8});
    QCOMPARE(p.money(1), QString("100"));  // 50 + 10 x 5
    QCOMPARE(game.screens.betit().stakeBox(1)->text(), QString("0"));
    QCOMPARE(game.screens.betit().oddsLabel(1, 2)->text(), QString("3 - 1"));

    p.bet(1, "100", 2);
    p.week(4, 1, {2, 2, 2, 2, 2, 2});
    QCOMPARE(game.visibleNames(), QStringList{"gameover"});
    QCOMPARE(game.state.winCounts, (Odds{1, 0, 0, 1, 0, 0}));
    QVERIFY(!game.exited);
    click(game.screens.gameover().Command1);
    QVERIFY(game.exited);
    QVERIFY(game.visibleNames().isEmpty());
}

void GameTest::fourPlayersAgainstHardComputerThatGoesBroke()
{
    Game game;
    Player p(game);
    p.start();
    // Hard: horse 1 (30) is no favourite, horse 2 (4) is the first below 5.
    p.setUp(4, "hard", 4, {"A", "B", "C", "D"}, {30, 4, 50, 3, 70, 90});
    BettingScreen& betit = game.screens.betit();
    QCOMPARE(betit.Label[30]->text(), QString("Pompadoodle's money:"));
    QVERIFY(!betit.Command1->isVisible());

    p.bet(1, "5", 5);
    p.bet(2, "7.5", 2);
    p.bet(3, "0", 1);
    p.bet(4, "50", 3);
    p.week(5, 14, {2, 3, 4, 5, 6, 7}, {0, 0, 50});
    QCOMPARE(game.state.computerRecord.horse, std::string("2"));
    QCOMPARE(p.money(1), QString("400"));   // 50 + 5 x 70
    QCOMPARE(p.money(2), QString("42.5"));  // 50 - 7.5
    QCOMPARE(p.money(3), QString("50"));
    QCOMPARE(p.money(4), QString("0"));
    QVERIFY(!betit.stakeBox(4)->isEnabled());
    QVERIFY(!betit.option(4, 1)->isEnabled());
    // The computer staked all 50 on a loser: its line gives way to the notice.
    QVERIFY(!betit.Label[30]->isVisibleTo(&betit));
    QVERIFY(!betit.Label[32]->isVisibleTo(&betit));
    QVERIFY(betit.Label[33]->isVisibleTo(&betit));
    QVERIFY(game.state.computer.outOfMoney);

    // Week 2 goes straight to the course: a broke computer bets no more.
    p.bet(1, "0.5", 6);
    p.week(6, 2, {8, 9, 10, 11, 12, 13});
    QCOMPARE(p.money(1), QString("403.5"));  // 400 + 0.5 x 7
    QCOMPARE(p.money(2), QString("42.5"));
    QCOMPARE(p.money(4), QString("0"));
    QCOMPARE(game.visibleNames(), QStringList{"betit"});

    // A new game without the computer: the broke computer's old all-in bet
    // on horse 2 is still in the record, but nobody settles it any more.
    betit.newg->trigger();
    p.setUp(1, "", 0, {"A"}, {});
    p.week(1, 3, {2, 2, 2, 2, 2, 2});
    QCOMPARE(p.money(1), QString("50"));
    QCOMPARE(betit.Label[30]->text(), QString("--Computer Not Playing--"));
    QVERIFY(betit.Label[30]->isVisibleTo(&betit));
    QCOMPARE(betit.Label[32]->text(), QString("50"));
    QVERIFY(!game.state.computer.outOfMoney);
}

void GameTest::twoPlayersEasyComputerWithSideScreensAndNewGame()
{
    Game game;
    Player p(game);
    p.start();
    p.setUp(2, "easy", 10, {"Al", "Bo"}, {10, 20, 30, 40, 50, 60});
    BettingScreen& betit = game.screens.betit();
    QCOMPARE(betit.Label[30]->text(), QString("Wobblethorpe's money:"));
    QVERIFY(QTest::qWaitForWindowActive(&betit));

    // Rename player 2 mid-game.
    QTest::keyClick(&betit, Qt::Key_P, Qt::ControlModifier);
    NamesScreen& names = game.screens.plname();
    QCOMPARE(names.windowTitle(), QString("Change Player Names"));
    typeInto(names.nameBox(2), "Bea & Co");
    click(names.Command1);
    QCOMPARE(betit.Frame1[1]->title(), QString("Bea && Co"));

    // Faster races: Clear, 3, 0, Apply.
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QTest::keyClick(&betit, Qt::Key_Z, Qt::ControlModifier);
    SpeedScreen& speed = game.screens.gspeed();
    QCOMPARE(speed.Text1->text(), QString("100"));
    click(speed.Command12);
    click(speed.Command[4]);
    click(speed.Command[11]);
    click(speed.Command1);
    for (int horse = 1; horse <= 6; ++horse)
        QCOMPARE(game.screens.ingame().Timer[horse]->interval(), 30);

    // Euros everywhere.
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QTest::keyClick(&betit, Qt::Key_C, Qt::ControlModifier);
    click(game.screens.currencyed().Option3);
    click(game.screens.currencyed().Command1);
    QCOMPARE(betit.Label[4]->text(), QString::fromUtf8("\u20ac"));
    QCOMPARE(betit.Label[31]->text(), QString::fromUtf8("\u20ac"));

    p.bet(1, "20", 2);
    p.bet(2, "10", 3);
    p.week(3, 5, {11, 12, 13, 14, 15, 16}, {0, 3, 20});
    QCOMPARE(game.screens.computercalculation().Label5->text(), QString::fromUtf8("\u20ac"));
    QCOMPARE(p.money(1), QString("30"));    // 50 - 20
    QCOMPARE(p.money(2), QString("350"));   // 50 + 10 x 30
    QCOMPARE(betit.Label[32]->text(), QString("650"));  // the computer: 50 + 20 x 30
    QCOMPARE(game.state.winCounts[2], 1);

    // A new game in mid-week, with one player this time.
    typeInto(betit.stakeBox(1), "15");
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QTest::keyClick(betit.stakeBox(1), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.visibleNames(), QStringList{"selectpl"});
    p.setUp(1, "", 0, {"Al"}, {});
    QCOMPARE(p.money(1), QString("50"));
    QCOMPARE(betit.Frame1[1]->title(), QString("(NOT PLAYING)"));
    QVERIFY(!betit.stakeBox(2)->isEnabled());
    QCOMPARE(betit.Label[30]->text(), QString("--Computer Not Playing--"));
    QVERIFY(betit.Command1->isVisible());
    QCOMPARE(betit.stakeBox(1)->text(), QString("15"));  // the week's stake stands
    QCOMPARE(betit.oddsLabel(1, 1)->text(), QString("11 - 1"));  // no new odds
    QCOMPARE(betit.Label[4]->text(), QString::fromUtf8("\u20ac"));
    QCOMPARE(game.state.race.tickInterval, 30);
    QCOMPARE(game.state.winCounts, (Odds{}));
    p.week(1, 3, {2, 2, 2, 2, 2, 2});
    QCOMPARE(p.money(1), QString("215"));  // 50 + 15 x 11
}

void GameTest::threePlayersMediumComputer()
{
    Game game;
    Player p(game);
    p.start();
    p.setUp(3, "medium", 1, {"X", "Y", "Z"}, {45, 50, 70, 99, 41, 55});
    BettingScreen& betit = game.screens.betit();
    QCOMPARE(betit.Frame1[3]->title(), QString("(NOT PLAYING)"));
    QVERIFY(!betit.stakeBox(4)->isEnabled());

    // Coin 8: a uniform horse, 6.
    p.bet(1, "1", 6);
    p.week(6, 9, {12, 30, 15, 60, 90, 8}, {8, 6, 10});
    QCOMPARE(game.state.computerRecord.horse, std::string("6"));
    QCOMPARE(betit.Label[32]->text(), QString("600"));  // 50 + 10 x 55
    QCOMPARE(p.money(1), QString("105"));

    // Coin 5: the favourite scan, which finds horse 6 (8) in the second bracket.
    p.week(2, 4, {2, 2, 2, 2, 2, 2}, {5, 0, 600});
    QCOMPARE(game.state.calc.coin, std::string("5"));
    QCOMPARE(game.state.computerRecord.horse, std::string("6"));
    QCOMPARE(betit.Label[32]->text(), QString("0"));
    QVERIFY(!betit.Label[32]->isVisibleTo(&betit));
}

void GameTest::wholeWeekFromTheKeyboard()
{
    Game game;
    game.random.pushDraw(3, 100);  // odds of horse 1 .. 6
    for (int k : {2, 2, 2, 2, 2})
        game.random.pushDraw(k, 100);
    game.screens.start();
    QVERIFY(fireTimer(game.screens.title().Timer1));
    auto focused = [] { return QApplication::focusWidget(); };
    auto pressUntil = [&](QWidget* target, Qt::Key key) {
        for (int i = 0; i < 40 && focused() != target; ++i)
            QTest::keyClick(focused(), key);
        return focused() == target;
    };

    SelectPlayersScreen& select = game.screens.selectpl();
    QVERIFY(QTest::qWaitForWindowActive(&select));
    QVERIFY(pressUntil(select.Command1, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    NamesScreen& names = game.screens.plname();
    QVERIFY(QTest::qWaitForWindowActive(&names));
    QVERIFY(pressUntil(names.nameBox(1), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "Kay");
    QVERIFY(pressUntil(names.Command1, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    BettingScreen& betit = game.screens.betit();
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QCOMPARE(betit.Frame1[0]->title(), QString("Kay"));
    QVERIFY(pressUntil(betit.option(1, 1), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Down);  // arrows move the choice
    QVERIFY(betit.option(1, 2)->isChecked());
    QVERIFY(pressUntil(betit.stakeBox(1), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Backspace);
    QTest::keyClicks(focused(), "4");
    QVERIFY(pressUntil(betit.Command1, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    CourseScreen& course = game.screens.racecourse();
    QVERIFY(QTest::qWaitForWindowActive(&course));
    game.random.pushDraw(2, 14);
    QVERIFY(fireTimer(course.Timer1));
    QVERIFY(pressUntil(course.Command1, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    RaceScreen& race = game.screens.ingame();
    QVERIFY(QTest::qWaitForWindowActive(&race));
    QVERIFY(pressUntil(race.Command1, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);
    for (int round = 0; round < 100 && game.state.race.timersOn; ++round)
        for (int horse = 1; horse <= 6; ++horse)
            if (race.Timer[horse]->isActive()) {
                game.random.push(horse == 2 ? 0.999 : 0.0);
                fireTimer(race.Timer[horse]);
            }
    for (int k : {2, 2, 2, 2, 2, 2})
        game.random.pushDraw(k, 100);
    QVERIFY(pressUntil(race.Command2, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QCOMPARE(betit.Label[5]->text(), QString("58"));  // 50 + 4 x 2
    QTest::keyClick(&betit, Qt::Key_H, Qt::ControlModifier);
    HistoryScreen& history = game.screens.horsehistory();
    QVERIFY(QTest::qWaitForWindowActive(&history));
    QCOMPARE(history.win[2]->text(), QString("1"));
    QVERIFY(pressUntil(history.Command1, Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(game.visibleNames(), QStringList{"betit"});
}

void GameTest::anyTextInAnyBoxLeavesTheGameWorking_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("100,000 characters") << QString(100000, QLatin1Char('7'));
    QTest::addRow("control characters") << QString::fromUtf8("1\x01\x02\t\x1b\x7f");
    QTest::addRow("right-to-left") << QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd 12 \u202e34");
    QTest::addRow("emoji") << QString::fromUtf8("\U0001F40E\U0001F3C7 5");
    QTest::addRow("nul and newline") << QString::fromUtf8("5\n6") + QChar(0) + "7";
}

void GameTest::anyTextInAnyBoxLeavesTheGameWorking()
{
    QFETCH(QString, text);
    Game game;
    Player p(game);
    p.start();
    p.setUp(2, "", 0, {"A", "B"}, {2, 3, 4, 5, 6, 7});
    BettingScreen& betit = game.screens.betit();
    // Pasted into a name box: shown as it stands, nothing else changes.
    game.screens.show(game.screens.plname());
    game.screens.hide(betit);
    game.screens.plname().nameBox(2)->setText(text);
    game.screens.plname().Text2Change(text);
    click(game.screens.plname().Command1);
    QCOMPARE(game.visibleNames(), QStringList{"betit"});
    QCOMPARE(betit.Frame1[1]->title(), literalCaption(text));

    // Pasted as a stake: refused with a clear message, nothing lost.
    betit.stakeBox(1)->setText(text);
    betit.Text1Change(text);
    click(betit.Command1);
    QCOMPARE(game.messages.size(), 1);
    QVERIFY(game.messages[0].startsWith("Player 1: "));
    QCOMPARE(p.money(1), QString("50"));

    // Pasted into the speed field: the range message, the speed unchanged.
    betit.speed->trigger();
    game.screens.gspeed().Text1->setText(text);
    click(game.screens.gspeed().Command1);
    QCOMPARE(game.messages.last(), QString("Please Enter A Number Between 30-1000"));
    QCOMPARE(game.state.race.tickInterval, 100);

    // And the game goes on.
    click(game.screens.gspeed().Command12);
    click(game.screens.gspeed().Command[2]);
    click(game.screens.gspeed().Command[11]);
    click(game.screens.gspeed().Command[11]);
    click(game.screens.gspeed().Command1);
    QCOMPARE(game.state.race.tickInterval, 100);
    game.messages.clear();
    p.bet(1, "10", 1);
    p.week(1, 1, {2, 2, 2, 2, 2, 2});
    QCOMPARE(p.money(1), QString("70"));
}

QTEST_MAIN(GameTest)
#include "test_game.moc"
