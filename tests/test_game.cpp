// Whole games through the real screens, from the splash to "Game Over":
// every draw is scripted, so each week's outcome is known to the amount.
// One game is played with the keyboard alone, as a blind player would.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QTest>

#include "screens/look.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using namespace furlox::test;
using enum furlox::ScreenId;

namespace {

// One week: each slot's bet as "horse:stake" (empty leaves the slot as it
// is), the computer's draws (coin, horse, stake), the course and the winner,
// the odds drawn for the next week, and the money then shown, slot 1 on and
// the computer's last ("-": not checked).
struct Week {
    QStringList bets;
    std::array<int, 3> computer;
    int course, winner;
    Odds next;
    QString money;
};

// Plays as a player would, feeding each draw just before it is made.
void setUp(Game& g, int count, const QString& level, const QStringList& names, const Odds& odds)
{
    if (!g.state.betting.created) {
        g.screens.start();
        g.fire(title, "Timer1");
        g.random.pushOdds(odds);
    }
    if (g.at<QCheckBox>(selectpl, "Check1")->isChecked() == level.isEmpty())
        g.click(selectpl, "Check1");
    g.click(selectpl, QString("Command%1").arg(count));
    if (!level.isEmpty()) {
        g.click(computerdifficulty, level == "easy" ? "Command2" : level == "medium" ? "Command3" : "Command4");
        g.random.pushDraw(4, 10);
        g.fire(computerdifficulty, "Timer1");
        g.click(computerdifficulty, "Command1");
    }
    for (int i = 0; i < names.size(); ++i)
        g.type(plname, QString("Text%1").arg(i + 1), names[i]);
    g.click(plname, "Command1");
    QCOMPARE(g.visible(), QStringList{"betit"});
}

void play(Game& g, const Week& w)
{
    for (int slot = 1; slot <= w.bets.size(); ++slot) {
        if (const QString bet = w.bets[slot - 1]; !bet.isEmpty()) {
            const int horse = bet.section(':', 0, 0).toInt();
            g.type(betit, QString("Text%1").arg(slot), bet.section(':', 1));
            g.click(betit, QString("Option%1").arg(slot == 1 ? horse : 6 * slot + 1 - horse));
        }
    }
    g.click(betit, g.at(betit, "Command1")->isVisible() ? "Command1" : "Command2");
    QVERIFY2(g.messages.isEmpty(), qPrintable(g.messages.join('|')));
    if (g.visible() == QStringList{"computercalculation"}) {
        const auto [coin, horse, stake] = w.computer;
        const std::string level = g.state.computer.level;
        if (level == "medium")
            g.random.pushDraw(coin, 10);
        if (level == "easy" || (level == "medium" && coin > 5))
            g.random.pushDraw(horse, 6);
        QVERIFY(g.fire(computercalculation, "Timer1"));
        if (level == "hard")
            QVERIFY(g.fire(computercalculation, "Timer3"));
        QCOMPARE(g.text(computercalculation, "Label4"), QString("Calculating amount to bet......."));
        g.random.pushDraw(stake, std::stoi(g.state.computerRecord.after));
        QVERIFY(g.fire(computercalculation, "Timer2"));
        QCOMPARE(g.text(computercalculation, "Label4") + g.text(computercalculation, "Label6"),
                 "Finished!" + QString::number(stake));
        g.click(computercalculation, "Command1");
    }
    QCOMPARE(g.visible(), QStringList{"racecourse"});
    g.random.pushDraw(w.course, 14);
    QVERIFY(g.fire(racecourse, "Timer1"));
    QCOMPARE(g.text(racecourse, "Label2"), QString(kCourses[w.course - 1]));
    g.click(racecourse, "Command1");
    g.click(ingame, "Command1");
    // Every horse ticks in turn; the winner draws high and moves, the others
    // draw 0, which moves no horse with odds above 1.
    for (int round = 0; round < 100 && g.state.race.timersOn; ++round)
        for (int horse = 1; horse <= 6; ++horse)
            if (g.at<QTimer>(ingame, QString("Timer%1").arg(horse))->isActive()) {
                g.random.push(horse == w.winner ? 0.999 : 0.0);
                g.fire(ingame, QString("Timer%1").arg(horse));
            }
    QCOMPARE(g.status(), QString::fromStdString(horseLabel(w.winner) + " Has Won!"));
    g.random.pushOdds(w.next);
    g.click(ingame, "Command2");
    QCOMPARE(g.random.pending(), std::size_t(0));  // every scripted draw was used
    QStringList money;
    for (const char* label : {"Label5", "Label6", "Label11", "Label16", "Label32"})
        money << (g.at(betit, label)->isVisibleTo(&g.screens.get(betit)) ? g.text(betit, label) : "-");
    QCOMPARE(money.join(' '), w.money);
}

}  // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void fourPlayersAHardComputerThatGoesBrokeAndANewGame();
    void threePlayersAndAMediumComputer();
    void wholeGameByKeysAlone();
    void anyTextInAnyBox();
};

void GameTest::fourPlayersAHardComputerThatGoesBrokeAndANewGame()
{
    Game g;
    // Hard: horse 1 (30) is no favourite, horse 2 (4) is the first below 5.
    setUp(g, 4, "hard", {"A", "B", "C", "D"}, {30, 4, 50, 3, 70, 90});
    QCOMPARE(g.text(betit, "Label30"), QString("Pompadoodle's money:"));
    play(g, {{"5:5", "2:7.5", "1:0", "3:50"}, {0, 0, 50}, 14, 5, {2, 3, 4, 5, 6, 7}, "400 42.5 50 0 -"});
    QVERIFY(!g.at(betit, "Text4")->isEnabled() && !g.at(betit, "Option24")->isEnabled());
    // A broke computer bets no more: straight to the course.
    play(g, {{"6:0.5", "1:42.5"}, {}, 2, 6, {8, 9, 10, 11, 12, 13}, "403.5 0 50 0 -"});
    // A new game in mid-week with one player and no computer: the stake typed
    // and the odds shown stand; money and the computer start again, and the
    // broke computer's old bet is never settled again.
    g.type(betit, "Text1", "15");
    g.menu("newg");
    setUp(g, 1, "", {"A"}, {});
    QVERIFY(!g.at(betit, "Text2")->isEnabled() && g.at(betit, "Command1")->isVisible());
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title() + g.text(betit, "Label30"),
             QString(kNotPlaying) + kComputerNotPlaying);
    QCOMPARE(g.text(betit, "Text1") + "|" + g.text(betit, "Label21"), QString("15|8 - 1"));
    play(g, {{}, {}, 3, 1, {2, 2, 2, 2, 2, 2}, "170 50 50 50 50"});  // 50 + 15 x 8
    QCOMPARE(g.state.winCounts, (Odds{1, 0, 0, 0, 0, 0}));
}

void GameTest::threePlayersAndAMediumComputer()
{
    Game g;
    setUp(g, 3, "medium", {"X", "Y", "Z"}, {45, 50, 70, 99, 41, 55});
    // Coin 8: a uniform horse, 6, which wins at 55.
    play(g, {{"6:1"}, {8, 6, 10}, 9, 6, {12, 30, 15, 60, 90, 8}, "105 50 50 50 600"});
    // Coin 5: the favourite scan finds horse 6 (odds 8) in the second bracket.
    play(g, {{}, {5, 0, 600}, 4, 2, {2, 2, 2, 2, 2, 2}, "105 50 50 50 -"});
    QVERIFY(g.state.computerRecord.horse == "6" && g.state.computer.outOfMoney);
}

// Two players and a hard computer, from the splash to "Game Over", with keys
// only: every button pressed with Enter or Space, each screen's Tab chain
// checked where it stands, nothing covered ever reached.
void GameTest::wholeGameByKeysAlone()
{
    Game g;
    g.random.pushOdds({30, 4, 50, 1, 70, 90});
    g.screens.start();
    QVERIFY(g.fire(title, "Timer1"));
    auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };

    QVERIFY(active(g, selectpl));
    QCOMPARE(tabChain(), (QStringList{"Command1", "Command2", "Command3", "Command4", "Check1"}));
    for (Qt::Key key : {Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})
        press(key);  // tick the computer's box, then "2 Players"
    QVERIFY(active(g, computerdifficulty));
    QCOMPARE(tabChain(), (QStringList{"Command2", "Command3", "Command4"}));  // Continue is below the window's edge
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter})
        press(key);  // Hard, with the keypad's Enter
    g.random.pushDraw(4, 10);
    QVERIFY(g.fire(computerdifficulty, "Timer1"));
    QCOMPARE(tabChain(), QStringList{"Command1"});  // Continue, once it can be pressed
    press(Qt::Key_Return);

    QVERIFY(active(g, plname));
    QCOMPARE(tabChain(), (QStringList{"Text1", "Text2", "Command1"}));
    type("Ann");  // the selected default is replaced
    press(Qt::Key_Tab);
    type("Bob");
    press(Qt::Key_Return);  // Enter in a name box confirms

    QVERIFY(active(g, betit));
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title(), QString("Bob"));
    // One stop per panel, on its chosen horse; the covered RACE! is no stop.
    QCOMPARE(tabChain(), (QStringList{"Option1", "Text1", "Option12", "Text2", "Command2"}));
    press(Qt::Key_Down);
    press(Qt::Key_Down);  // horse 3
    QCOMPARE(described(g.at(betit, "Option3")), QString("Odds 50 - 1"));
    press(Qt::Key_Tab);
    type("10");
    press(Qt::Key_Tab);
    press(Qt::Key_Down);  // horse 2
    press(Qt::Key_Tab);
    type("60");
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    QCOMPARE(g.messages, QStringList{"Player 2: You don't have enough money - please enter a lower number"});
    QCOMPARE(focused(), QString("Text2"));
    type("5");  // the refused stake was selected
    QCOMPARE(g.text(betit, "Text2"), QString("5"));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);

    QVERIFY(active(g, computercalculation));
    QCOMPARE(focused(), QString("Label4"));  // the status line, while nothing can be pressed
    QVERIFY(g.fire(computercalculation, "Timer1") && g.fire(computercalculation, "Timer3"));
    g.random.pushDraw(50, 50);  // all in, on horse 2
    QVERIFY(g.fire(computercalculation, "Timer2"));
    QCOMPARE(focused(), QString("Command1"));
    QCOMPARE(described(g.at(computercalculation, "Command1")), QString("Computer will bet on Horse number: 2, stake \u00a350"));
    press(Qt::Key_Return);
    QVERIFY(active(g, racecourse));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Return);

    QVERIFY(active(g, ingame));
    QCOMPARE(tabChain(), QStringList{"Command1"});  // PAUSE and NEXT WEEK lie under GO!
    press(Qt::Key_Return);
    QCOMPARE(tabChain(), QStringList{"Command3"});
    press(Qt::Key_Space);
    QCOMPARE(g.text(ingame, "Command3"), QString("UNPAUSE GAME"));
    press(Qt::Key_Return);
    // The winner is read with the focus: NEXT WEEK has it before the focus comes.
    struct FocusSpy : QObject {
        QString heard;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::FocusIn)
                heard = described(static_cast<QWidget*>(watched));
            return false;
        }
    } spy;
    g.at(ingame, "Command2")->installEventFilter(&spy);
    for (int tick = 0; tick < 57; ++tick)
        QVERIFY(g.fire(ingame, "Timer4"));  // odds 1: a step every tick
    QCOMPARE(tabChain(), QStringList{"Command2"});
    QCOMPARE(spy.heard, QString("Horse 4 (GREEN) Has Won!"));
    g.random.pushOdds({2, 3, 4, 1, 5, 6});
    press(Qt::Key_Return);

    QVERIFY(active(g, betit));
    QCOMPARE(spoken(g.at(betit, "Label5")), QString("Player 1 money available: \u00a340"));
    QVERIFY(!showing(g.at(betit, "Label30")) && showing(g.at(betit, "Label33")));  // the computer is broke
    press(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(active(g, horsehistory));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    QCOMPARE(spoken(g.at(horsehistory, "win4")), QString("Furlox 4 wins: 1"));
    press(Qt::Key_Escape);
    QVERIFY(active(g, betit));
    press(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(active(g, currencyed));
    QCOMPARE(tabChain(), (QStringList{"Option1", "Command1"}));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return})
        press(key);  // dollars: with none chosen, an arrow only moves
    QVERIFY(active(g, betit));
    QCOMPARE(spoken(g.at(betit, "Label6")), QString("Player 2 money available: $45"));

    // Week 2: everybody stakes everything on a loser.
    press(Qt::Key_Tab);
    type("40");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    type("45");
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    QVERIFY(active(g, racecourse));  // a broke computer bets no more
    press(Qt::Key_Return);
    QVERIFY(active(g, ingame));
    press(Qt::Key_Space);
    for (int tick = 0; tick < 57; ++tick)
        QVERIFY(g.fire(ingame, "Timer4"));
    press(Qt::Key_Return);
    QVERIFY(active(g, gameover));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Return);
    QVERIFY(g.exited && g.visible().isEmpty());
    // Every hand-over, in its order: a screen shows the next, then hides
    // itself, or hides itself, then shows the next.
    QCOMPARE(g.handovers.join(' '),
             QString("+title +selectpl -title +computerdifficulty -selectpl -computerdifficulty +plname +betit -plname "
                     "+computercalculation -betit -computercalculation +racecourse -racecourse +ingame -ingame +betit "
                     "+horsehistory -betit -horsehistory +betit +currencyed -betit +betit -currencyed +racecourse -betit "
                     "-racecourse +ingame -ingame +gameover -gameover"));
}

void GameTest::anyTextInAnyBox()
{
    // Pasted into any box: shown as it stands, refused with a clear message
    // where it cannot be used, and the game goes on.
    for (const QString& text : {QString(100000, '7'), QString::fromUtf8("1\x01\x02\t\x1b\x7f"),
                                QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd 12 \u202e34"),
                                QString::fromUtf8("\U0001F40E\U0001F3C7 5"), "5\n6" + QString(QChar(0)) + "7"}) {
        Game g;
        setUp(g, 2, "", {"A", "B"}, {2, 3, 4, 5, 6, 7});
        g.menu("changepl");
        auto* name = g.at<QLineEdit>(plname, "Text2");
        name->setText(text);
        g.click(plname, "Command1");
        QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title(), literalCaption(text.left(name->maxLength())));
        g.at<QLineEdit>(betit, "Text1")->setText(text);
        g.click(betit, "Command1");
        QVERIFY(g.messages.size() == 1 && g.messages[0].startsWith("Player 1: "));
        g.menu("speed");
        g.at<QLineEdit>(gspeed, "Text1")->setText(text);
        g.click(gspeed, "Command1");
        QCOMPARE(g.messages.last(), QString("Please Enter A Number Between 30-1000"));
        g.type(gspeed, "Text1", "100");
        g.click(gspeed, "Command1");
        g.messages.clear();
        play(g, {{"1:10"}, {}, 1, 1, {2, 2, 2, 2, 2, 2}, "70 50 50 50 50"});
    }
}

QTEST_MAIN(GameTest)
#include "test_game.moc"
