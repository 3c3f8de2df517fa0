// Whole games through the real screens, from the splash to "Game Over":
// every draw is scripted, so each week's outcome is known to the amount.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "screens/look.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::click;
using furlox::test::control;
using furlox::test::fireTimer;
using furlox::test::Game;
using furlox::test::statusText;
using furlox::test::typeInto;

namespace {

using Odds = std::array<int, 6>;

// The betting screen's controls by their object names.
QGroupBox* frame1(Screens& s, int index)
{
    return control<QGroupBox>(s, ScreenId::betit, QString("Frame1(%1)").arg(index));
}
QLineEdit* stakeBox(Screens& s, int slot)
{
    return control<QLineEdit>(s, ScreenId::betit, QString("Text%1").arg(slot));
}
QLabel* betLabel(Screens& s, const QString& name) { return control<QLabel>(s, ScreenId::betit, name); }
QPushButton* betButton(Screens& s, const QString& name) { return control<QPushButton>(s, ScreenId::betit, name); }
QAction* menuItem(Screens& s, const QString& name) { return control<QAction>(s, ScreenId::betit, name); }
// Slot 1 numbers its options Option1..Option6 downwards, the other slots
// upwards: horse 1 of slot 2 is Option12.
QRadioButton* option(Screens& s, int slot, int horse)
{
    const int number = slot == 1 ? horse : 6 * slot + 1 - horse;
    return control<QRadioButton>(s, ScreenId::betit, QString("Option%1").arg(number));
}
// Slot 1's odds are Label21..Label26, the others' Label27(i)..Label29(i).
QLabel* oddsLabel(Screens& s, int slot, int horse)
{
    return betLabel(s, slot == 1 ? QString("Label%1").arg(20 + horse)
                                 : QString("Label%1(%2)").arg(25 + slot).arg(horse - 1));
}
// Horse n's timer on the race screen.
QTimer* horseTimer(Screens& s, int horse)
{
    return control<QTimer>(s, ScreenId::ingame, QString("Timer%1").arg(horse));
}
// A button of the game-speed screen: Command1 Apply, Command2..Command10
// the digits 1..9, Command11 the digit 0, Command12 Clear.
QPushButton* speedButton(Screens& s, int number)
{
    return control<QPushButton>(s, ScreenId::gspeed, QString("Command%1").arg(number));
}

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
        QVERIFY(fireTimer(control<QTimer>(s, ScreenId::title, "Timer1")));
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
        auto* check1 = control<QCheckBox>(s, ScreenId::selectpl, "Check1");
        if (check1->isChecked() != !level.isEmpty())
            click(check1);
        if (!g.state.betting.created)
            pushOdds(firstOdds);
        click(control<QPushButton>(s, ScreenId::selectpl, QString("Command%1").arg(count)));
        if (!level.isEmpty()) {
            const auto d = [&](const QString& name) {
                return control<QPushButton>(s, ScreenId::computerdifficulty, name);
            };
            QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});
            click(level == "easy" ? d("Command2") : level == "medium" ? d("Command3") : d("Command4"));
            g.random.pushDraw(nameDraw, 10);
            QVERIFY(fireTimer(control<QTimer>(s, ScreenId::computerdifficulty, "Timer1")));
            click(d("Command1"));
        }
        QCOMPARE(g.visibleNames(), QStringList{"plname"});
        for (int i = 0; i < names.size(); ++i)
            typeInto(control<QLineEdit>(s, ScreenId::plname, QString("Text%1").arg(i + 1)), names[i]);
        click(control<QPushButton>(s, ScreenId::plname, "Command1"));
        QCOMPARE(g.visibleNames(), QStringList{"betit"});
    }

    void bet(int slot, const QString& stake, int horse)
    {
        typeInto(stakeBox(s, slot), stake);
        click(option(s, slot, horse));
    }

    // RACE!, the computer's bet if it makes one, the course, the race won
    // by `winner`, and the click into the next week with `nextOdds`.
    void week(int winner, int course, const Odds& nextOdds, const ComputerScript& computer = {})
    {
        QPushButton* race1 = betButton(s, "Command1");
        click(race1->isVisible() ? race1 : betButton(s, "Command2"));
        QVERIFY2(g.messages.isEmpty(), qPrintable(g.messages.join('|')));
        if (g.visibleNames() == QStringList{"computercalculation"}) {
            const auto calcLabel = [&](const QString& name) {
                return control<QLabel>(s, ScreenId::computercalculation, name);
            };
            const auto calcTimer = [&](const QString& name) {
                return control<QTimer>(s, ScreenId::computercalculation, name);
            };
            const std::string level = g.state.computer.level;
            if (level == "medium") {
                g.random.pushDraw(computer.coin, 10);
                if (computer.coin > 5)
                    g.random.pushDraw(computer.horse, 6);
            } else if (level == "easy") {
                g.random.pushDraw(computer.horse, 6);
            }
            QVERIFY(fireTimer(calcTimer("Timer1")));
            if (level == "hard")
                QVERIFY(fireTimer(calcTimer("Timer3")));
            QCOMPARE(calcLabel("Label4")->text(), QString("Calculating amount to bet......."));
            g.random.pushDraw(computer.stake, static_cast<int>(std::stod(g.state.computerRecord.after)));
            QVERIFY(fireTimer(calcTimer("Timer2")));
            QCOMPARE(calcLabel("Label4")->text(), QString("Finished!"));
            QCOMPARE(calcLabel("Label6")->text(), QString::number(computer.stake));
            click(control<QPushButton>(s, ScreenId::computercalculation, "Command1"));
        }
        QCOMPARE(g.visibleNames(), QStringList{"racecourse"});
        g.random.pushDraw(course, 14);
        QVERIFY(fireTimer(control<QTimer>(s, ScreenId::racecourse, "Timer1")));
        click(control<QPushButton>(s, ScreenId::racecourse, "Command1"));

        QCOMPARE(g.visibleNames(), QStringList{"ingame"});
        click(control<QPushButton>(s, ScreenId::ingame, "Command1"));
        // The winner draws high every tick and moves; the others draw 0,
        // which moves no horse with odds above 1.
        for (int round = 0; round < 100 && g.state.race.timersOn; ++round)
            for (int horse = 1; horse <= 6; ++horse)
                if (horseTimer(s, horse)->isActive()) {
                    g.random.push(horse == winner ? 0.999 : 0.0);
                    QVERIFY(fireTimer(horseTimer(s, horse)));
                }
        QCOMPARE(statusText(s), QString::fromStdString(horseLabel(winner) + " Has Won!"));
        pushOdds(nextOdds);
        click(control<QPushButton>(s, ScreenId::ingame, "Command2"));
        QCOMPARE(g.random.pending(), std::size_t(0));  // every scripted draw was used
    }

    QString money(int slot)
    {
        static const int labels[] = {0, 5, 6, 11, 16};
        return betLabel(s, QString("Label%1").arg(labels[slot]))->text();
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
    QCOMPARE(frame1(game.screens, 0)->title(), QString("Ada"));
    QCOMPARE(betLabel(game.screens, "Label30")->text(), QString("--Computer Not Playing--"));

    p.bet(1, "10", 1);
    p.week(1, 8, {9, 3, 4, 5, 6, 8});
    QCOMPARE(p.money(1), QString("100"));  // 50 + 10 x 5
    QCOMPARE(stakeBox(game.screens, 1)->text(), QString("0"));
    QCOMPARE(oddsLabel(game.screens, 1, 2)->text(), QString("3 - 1"));

    p.bet(1, "100", 2);
    p.week(4, 1, {2, 2, 2, 2, 2, 2});
    QCOMPARE(game.visibleNames(), QStringList{"gameover"});
    QCOMPARE(game.state.winCounts, (Odds{1, 0, 0, 1, 0, 0}));
    QVERIFY(!game.exited);
    click(control<QPushButton>(game.screens, ScreenId::gameover, "Command1"));
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
    Screen& betit = game.screens.get(ScreenId::betit);
    QCOMPARE(betLabel(game.screens, "Label30")->text(), QString("Pompadoodle's money:"));
    QVERIFY(!betButton(game.screens, "Command1")->isVisible());

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
    QVERIFY(!stakeBox(game.screens, 4)->isEnabled());
    QVERIFY(!option(game.screens, 4, 1)->isEnabled());
    // The computer staked all 50 on a loser: its line gives way to the notice.
    QVERIFY(!betLabel(game.screens, "Label30")->isVisibleTo(&betit));
    QVERIFY(!betLabel(game.screens, "Label32")->isVisibleTo(&betit));
    QVERIFY(betLabel(game.screens, "Label33")->isVisibleTo(&betit));
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
    menuItem(game.screens, "newg")->trigger();
    p.setUp(1, "", 0, {"A"}, {});
    p.week(1, 3, {2, 2, 2, 2, 2, 2});
    QCOMPARE(p.money(1), QString("50"));
    QCOMPARE(betLabel(game.screens, "Label30")->text(), QString("--Computer Not Playing--"));
    QVERIFY(betLabel(game.screens, "Label30")->isVisibleTo(&betit));
    QCOMPARE(betLabel(game.screens, "Label32")->text(), QString("50"));
    QVERIFY(!game.state.computer.outOfMoney);
}

void GameTest::twoPlayersEasyComputerWithSideScreensAndNewGame()
{
    Game game;
    Player p(game);
    p.start();
    p.setUp(2, "easy", 10, {"Al", "Bo"}, {10, 20, 30, 40, 50, 60});
    Screen& betit = game.screens.get(ScreenId::betit);
    QCOMPARE(betLabel(game.screens, "Label30")->text(), QString("Wobblethorpe's money:"));
    QVERIFY(QTest::qWaitForWindowActive(&betit));

    // Rename player 2 mid-game.
    QTest::keyClick(&betit, Qt::Key_P, Qt::ControlModifier);
    Screen& names = game.screens.get(ScreenId::plname);
    QCOMPARE(names.windowTitle(), QString("Change Player Names"));
    typeInto(control<QLineEdit>(game.screens, ScreenId::plname, "Text2"), "Bea & Co");
    click(control<QPushButton>(game.screens, ScreenId::plname, "Command1"));
    QCOMPARE(frame1(game.screens, 1)->title(), QString("Bea && Co"));

    // Faster races: Clear, 3, 0, Apply.
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QTest::keyClick(&betit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(control<QLineEdit>(game.screens, ScreenId::gspeed, "Text1")->text(), QString("100"));
    click(speedButton(game.screens, 12));
    click(speedButton(game.screens, 4));
    click(speedButton(game.screens, 11));
    click(speedButton(game.screens, 1));
    for (int horse = 1; horse <= 6; ++horse)
        QCOMPARE(horseTimer(game.screens, horse)->interval(), 30);

    // Euros everywhere.
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QTest::keyClick(&betit, Qt::Key_C, Qt::ControlModifier);
    click(control<QRadioButton>(game.screens, ScreenId::currencyed, "Option3"));
    click(control<QPushButton>(game.screens, ScreenId::currencyed, "Command1"));
    QCOMPARE(betLabel(game.screens, "Label4")->text(), QString::fromUtf8("\u20ac"));
    QCOMPARE(betLabel(game.screens, "Label31")->text(), QString::fromUtf8("\u20ac"));

    p.bet(1, "20", 2);
    p.bet(2, "10", 3);
    p.week(3, 5, {11, 12, 13, 14, 15, 16}, {0, 3, 20});
    QCOMPARE(control<QLabel>(game.screens, ScreenId::computercalculation, "Label5")->text(),
             QString::fromUtf8("\u20ac"));
    QCOMPARE(p.money(1), QString("30"));    // 50 - 20
    QCOMPARE(p.money(2), QString("350"));   // 50 + 10 x 30
    QCOMPARE(betLabel(game.screens, "Label32")->text(), QString("650"));  // the computer: 50 + 20 x 30
    QCOMPARE(game.state.winCounts[2], 1);

    // A new game in mid-week, with one player this time.
    typeInto(stakeBox(game.screens, 1), "15");
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QTest::keyClick(stakeBox(game.screens, 1), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.visibleNames(), QStringList{"selectpl"});
    p.setUp(1, "", 0, {"Al"}, {});
    QCOMPARE(p.money(1), QString("50"));
    QCOMPARE(frame1(game.screens, 1)->title(), QString("(NOT PLAYING)"));
    QVERIFY(!stakeBox(game.screens, 2)->isEnabled());
    QCOMPARE(betLabel(game.screens, "Label30")->text(), QString("--Computer Not Playing--"));
    QVERIFY(betButton(game.screens, "Command1")->isVisible());
    QCOMPARE(stakeBox(game.screens, 1)->text(), QString("15"));  // the week's stake stands
    QCOMPARE(oddsLabel(game.screens, 1, 1)->text(), QString("11 - 1"));  // no new odds
    QCOMPARE(betLabel(game.screens, "Label4")->text(), QString::fromUtf8("\u20ac"));
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
    Screen& betit = game.screens.get(ScreenId::betit);
    QCOMPARE(frame1(game.screens, 3)->title(), QString("(NOT PLAYING)"));
    QVERIFY(!stakeBox(game.screens, 4)->isEnabled());

    // Coin 8: a uniform horse, 6.
    p.bet(1, "1", 6);
    p.week(6, 9, {12, 30, 15, 60, 90, 8}, {8, 6, 10});
    QCOMPARE(game.state.computerRecord.horse, std::string("6"));
    QCOMPARE(betLabel(game.screens, "Label32")->text(), QString("600"));  // 50 + 10 x 55
    QCOMPARE(p.money(1), QString("105"));

    // Coin 5: the favourite scan, which finds horse 6 (8) in the second bracket.
    p.week(2, 4, {2, 2, 2, 2, 2, 2}, {5, 0, 600});
    QCOMPARE(game.state.calc.coin, std::string("5"));
    QCOMPARE(game.state.computerRecord.horse, std::string("6"));
    QCOMPARE(betLabel(game.screens, "Label32")->text(), QString("0"));
    QVERIFY(!betLabel(game.screens, "Label32")->isVisibleTo(&betit));
}

void GameTest::wholeWeekFromTheKeyboard()
{
    Game game;
    game.random.pushDraw(3, 100);  // odds of horse 1 .. 6
    for (int k : {2, 2, 2, 2, 2})
        game.random.pushDraw(k, 100);
    game.screens.start();
    QVERIFY(fireTimer(control<QTimer>(game.screens, ScreenId::title, "Timer1")));
    auto focused = [] { return QApplication::focusWidget(); };
    auto pressUntil = [&](QWidget* target, Qt::Key key) {
        for (int i = 0; i < 40 && focused() != target; ++i)
            QTest::keyClick(focused(), key);
        return focused() == target;
    };

    Screen& select = game.screens.get(ScreenId::selectpl);
    QVERIFY(QTest::qWaitForWindowActive(&select));
    QVERIFY(pressUntil(control(game.screens, ScreenId::selectpl, "Command1"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    Screen& names = game.screens.get(ScreenId::plname);
    QVERIFY(QTest::qWaitForWindowActive(&names));
    QVERIFY(pressUntil(control(game.screens, ScreenId::plname, "Text1"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "Kay");
    QVERIFY(pressUntil(control(game.screens, ScreenId::plname, "Command1"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    Screen& betit = game.screens.get(ScreenId::betit);
    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QCOMPARE(frame1(game.screens, 0)->title(), QString("Kay"));
    QVERIFY(pressUntil(option(game.screens, 1, 1), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Down);  // arrows move the choice
    QVERIFY(option(game.screens, 1, 2)->isChecked());
    QVERIFY(pressUntil(stakeBox(game.screens, 1), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Backspace);
    QTest::keyClicks(focused(), "4");
    QVERIFY(pressUntil(betButton(game.screens, "Command1"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    Screen& course = game.screens.get(ScreenId::racecourse);
    QVERIFY(QTest::qWaitForWindowActive(&course));
    game.random.pushDraw(2, 14);
    QVERIFY(fireTimer(control<QTimer>(game.screens, ScreenId::racecourse, "Timer1")));
    QVERIFY(pressUntil(control(game.screens, ScreenId::racecourse, "Command1"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    Screen& race = game.screens.get(ScreenId::ingame);
    QVERIFY(QTest::qWaitForWindowActive(&race));
    QVERIFY(pressUntil(control(game.screens, ScreenId::ingame, "Command1"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);
    for (int round = 0; round < 100 && game.state.race.timersOn; ++round)
        for (int horse = 1; horse <= 6; ++horse)
            if (horseTimer(game.screens, horse)->isActive()) {
                game.random.push(horse == 2 ? 0.999 : 0.0);
                fireTimer(horseTimer(game.screens, horse));
            }
    for (int k : {2, 2, 2, 2, 2, 2})
        game.random.pushDraw(k, 100);
    QVERIFY(pressUntil(control(game.screens, ScreenId::ingame, "Command2"), Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Space);

    QVERIFY(QTest::qWaitForWindowActive(&betit));
    QCOMPARE(betLabel(game.screens, "Label5")->text(), QString("58"));  // 50 + 4 x 2
    QTest::keyClick(&betit, Qt::Key_H, Qt::ControlModifier);
    Screen& history = game.screens.get(ScreenId::horsehistory);
    QVERIFY(QTest::qWaitForWindowActive(&history));
    QCOMPARE(control<QLabel>(game.screens, ScreenId::horsehistory, "win2")->text(), QString("1"));
    QVERIFY(pressUntil(control(game.screens, ScreenId::horsehistory, "Command1"), Qt::Key_Tab));
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
    Screen& betit = game.screens.get(ScreenId::betit);
    // Pasted into a name box: shown as it stands, nothing else changes.
    game.screens.show(ScreenId::plname);
    game.screens.hide(betit);
    // The box takes any change of its text as the name, pasted ones too; a
    // line edit keeps at most maxLength() characters of what is pasted.
    QLineEdit* nameBox = control<QLineEdit>(game.screens, ScreenId::plname, "Text2");
    nameBox->setText(text);
    click(control<QPushButton>(game.screens, ScreenId::plname, "Command1"));
    QCOMPARE(game.visibleNames(), QStringList{"betit"});
    QCOMPARE(frame1(game.screens, 1)->title(), literalCaption(text.left(nameBox->maxLength())));

    // Pasted as a stake: refused with a clear message, nothing lost.
    stakeBox(game.screens, 1)->setText(text);  // the box takes any change of its text
    click(betButton(game.screens, "Command1"));
    QCOMPARE(game.messages.size(), 1);
    QVERIFY(game.messages[0].startsWith("Player 1: "));
    QCOMPARE(p.money(1), QString("50"));

    // Pasted into the speed field: the range message, the speed unchanged.
    menuItem(game.screens, "speed")->trigger();
    control<QLineEdit>(game.screens, ScreenId::gspeed, "Text1")->setText(text);
    click(speedButton(game.screens, 1));
    QCOMPARE(game.messages.last(), QString("Please Enter A Number Between 30-1000"));
    QCOMPARE(game.state.race.tickInterval, 100);

    // And the game goes on.
    click(speedButton(game.screens, 12));
    click(speedButton(game.screens, 2));
    click(speedButton(game.screens, 11));
    click(speedButton(game.screens, 11));
    click(speedButton(game.screens, 1));
    QCOMPARE(game.state.race.tickInterval, 100);
    game.messages.clear();
    p.bet(1, "10", 1);
    p.week(1, 1, {2, 2, 2, 2, 2, 2});
    QCOMPARE(p.money(1), QString("70"));
}

QTEST_MAIN(GameTest)
#include "test_game.moc"
