// RACE! and its stake checks, the stake boxes, the menu and a new game.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "betting/betting_rules.h"
#include "screens/message_box.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::control;
using furlox::test::Game;

namespace {

// Four slots in play with the given money and stakes.
GameState stateWith(const QStringList& money, const QStringList& stakes)
{
    GameState s;
    for (int i = 0; i < 4; ++i) {
        s.players[i].money = money.value(i, "50").toStdString();
        s.players[i].stake = stakes.value(i, "0").toStdString();
    }
    return s;
}

// A control of the betting screen by its object name.
template <typename T>
T* betit(Screens& screens, const QString& name)
{
    return control<T>(screens, ScreenId::betit, name);
}

QPushButton* raceButton(Screens& screens, int button)
{
    return betit<QPushButton>(screens, QString("Command%1").arg(button));
}

// The stake box of slot 1..4.
QLineEdit* stakeBox(Screens& screens, int slot) { return betit<QLineEdit>(screens, QString("Text%1").arg(slot)); }

// The option button of slot 1..4 for horse 1..6: slot 1 numbers them
// Option1..Option6 downwards, the others upwards (slot 2's horse 1 is Option12).
QRadioButton* option(Screens& screens, int slot, int horse)
{
    const int number = slot == 1 ? horse : 6 * slot + 1 - horse;
    return betit<QRadioButton>(screens, QString("Option%1").arg(number));
}

}  // namespace

class BettingTest : public QObject {
    Q_OBJECT
private slots:
    void stakeCheck_data();
    void stakeCheck();
    void firstRefusalEndsTheClick();
    void recordsEverySlotAsTyped();
    void slotThatCannotBetIsNeverRefused();
    void routes_data();
    void routes();
    void refusalShowsMessageAndFocusesBox();
    void realMessageBoxHasTitleAndOneButton();
    void emptiedBoxSwitchesRaceOff();
    void menuShortcutsWorkFromAStakeBox_data();
    void menuShortcutsWorkFromAStakeBox();
    void exitEndsAtOnce();
    void newGameResetsOnlyWhatItShould();
};

void BettingTest::stakeCheck_data()
{
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QString>("message");  // empty: accepted
    const QString tooMuch = "Player 1: You don't have enough money - please enter a lower number";
    const QString notNumber = "Player 1: That is not a number - please enter the amount to bet";
    const QString negative = "Player 1: You can't bet a negative amount - please enter 0 or more";
    QTest::addRow("equal to money") << "50" << "50" << "";
    QTest::addRow("one more than money") << "50" << "51" << tooMuch;
    QTest::addRow("compared by value, not as text") << "50" << "9" << "";
    QTest::addRow("100 against 50") << "50" << "100" << tooMuch;
    QTest::addRow("zero") << "50" << "0" << "";
    QTest::addRow("fraction") << "50" << "7.5" << "";
    QTest::addRow("fraction of fractional money") << "0.5" << "0.5" << "";
    QTest::addRow("just over fractional money") << "0.5" << "0.51" << tooMuch;
    QTest::addRow("blanks around") << "50" << " 10 " << "";
    QTest::addRow("empty") << "50" << "" << notNumber;
    QTest::addRow("blanks only") << "50" << "   " << notNumber;
    QTest::addRow("letters") << "50" << "ten" << notNumber;
    QTest::addRow("two points") << "50" << "1.2.3" << notNumber;
    QTest::addRow("exponent") << "50" << "1e1" << notNumber;
    QTest::addRow("thousands separator") << "5000" << "1,000" << notNumber;
    QTest::addRow("negative") << "50" << "-5" << negative;
    QTest::addRow("negative fraction") << "50" << "-0.01" << negative;
    QTest::addRow("negative over money is negative first") << "50" << "-500" << negative;
    QTest::addRow("negative exponent is not a number first") << "50" << "-1e3" << notNumber;
    QTest::addRow("huge") << "50" << QString(500, QLatin1Char('9')) << tooMuch;
}

void BettingTest::stakeCheck()
{
    QFETCH(QString, money);
    QFETCH(QString, stake);
    QFETCH(QString, message);
    GameState s = stateWith({money}, {stake});
    const auto before = s.record;
    const RaceClick click = clickRace(s, RaceButton::Plain);
    if (message.isEmpty()) {
        QVERIFY(!click.refusal);
        QCOMPARE(QString::fromStdString(s.record[0].stake), stake);  // exactly as typed
        QCOMPARE(QString::fromStdString(s.record[0].before), money);
        QCOMPARE(click.route, RaceRoute::Racecourse);
    } else {
        QVERIFY(click.refusal);
        QCOMPARE(click.refusal->slot, 1);
        QCOMPARE(QString::fromStdString(click.refusal->message), message);
        QCOMPARE(s.record[0].stake, before[0].stake);
        QCOMPARE(click.route, RaceRoute::Stay);
        QVERIFY(!s.course.timerArmed);
    }
}

void BettingTest::firstRefusalEndsTheClick()
{
    GameState s = stateWith({"50", "50", "50", "50"}, {"10", "0", "60", "70"});
    s.players[1].horse = 4;
    RaceClick click = clickRace(s, RaceButton::Plain);
    QCOMPARE(click.refusal->slot, 3);  // player 4 is not looked at yet
    QCOMPARE(s.record[1].horse, std::string("4"));  // players before were recorded
    QCOMPARE(s.record[3].stake, std::string("0"));

    s = stateWith({"50", "50", "50"}, {"60", "0", "70"});
    click = clickRace(s, RaceButton::Plain);
    QCOMPARE(click.refusal->slot, 1);
    s.players[0].stake = "5";
    click = clickRace(s, RaceButton::Plain);
    QCOMPARE(click.refusal->slot, 3);
    QCOMPARE(QString::fromStdString(click.refusal->message),
             QString("Player 3: You don't have enough money - please enter a lower number"));
}

void BettingTest::recordsEverySlotAsTyped()
{
    GameState s = stateWith({"50", "42.5", "7", "0"}, {"+5", "42.5", "0007", "0"});
    s.players[3].canBet = false;
    for (int i = 0; i < 4; ++i)
        s.players[i].horse = 6 - i;
    s.odds = {3, 14, 15, 92, 65, 35};
    const RaceClick click = clickRace(s, RaceButton::Plain);
    QVERIFY(!click.refusal);
    const std::array<std::string, 4> stakes{"+5", "42.5", "0007", "0"};
    const std::array<std::string, 4> money{"50", "42.5", "7", "0"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(s.record[i].stake, stakes[i]);
        QCOMPARE(s.record[i].before, money[i]);
        QCOMPARE(s.record[i].horse, std::to_string(6 - i));
    }
    const std::array<std::string, 6> copied{"3", "14", "15", "92", "65", "35"};
    QCOMPARE(s.calc.odds, copied);
}

void BettingTest::slotThatCannotBetIsNeverRefused()
{
    // A panel left over from a bigger game cannot be edited; its old stake
    // must not hold the week up.
    GameState s = stateWith({"50", "50"}, {"5", "abc"});
    s.players[1].canBet = false;
    RaceClick click = clickRace(s, RaceButton::Plain);
    QVERIFY(!click.refusal);
    QCOMPARE(s.record[1].stake, std::string("0"));
    s.players[1].stake = "80";
    click = clickRace(s, RaceButton::Plain);
    QVERIFY(!click.refusal);
    QCOMPARE(s.record[1].stake, std::string("0"));
    s.players[1].stake = "20";  // a usable leftover stake is recorded as it stands
    click = clickRace(s, RaceButton::Plain);
    QCOMPARE(s.record[1].stake, std::string("20"));
}

void BettingTest::routes_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("computerPlays");
    QTest::addColumn<bool>("computerBroke");
    QTest::addColumn<int>("route");
    QTest::addRow("plain race") << 1 << false << false << int(RaceRoute::Racecourse);
    QTest::addRow("computer's race without computer stays") << 2 << false << false << int(RaceRoute::Stay);
    QTest::addRow("computer bets") << 2 << true << false << int(RaceRoute::ComputerBet);
    QTest::addRow("broke computer skips its bet") << 2 << true << true << int(RaceRoute::Racecourse);
}

void BettingTest::routes()
{
    QFETCH(int, button);
    QFETCH(bool, computerPlays);
    QFETCH(bool, computerBroke);
    QFETCH(int, route);
    Game game;
    game.state.computer.takesPart = computerPlays;
    game.state.computer.outOfMoney = computerBroke;
    game.state.betting.raceButton1Visible = button == 1;
    game.state.players[0].stake = "10";
    game.screens.show(ScreenId::betit);
    test::click(raceButton(game.screens, button));
    QCOMPARE(game.state.record[0].stake, std::string("10"));  // recorded in every case
    const QList<QStringList> expected{{"betit"}, {"racecourse"}, {"computercalculation"}};
    QCOMPARE(game.visibleNames(), expected[route]);
    QCOMPARE(game.state.course.timerArmed, route == int(RaceRoute::Racecourse));
    QCOMPARE(game.state.calc.timer1, route == int(RaceRoute::ComputerBet));
}

void BettingTest::refusalShowsMessageAndFocusesBox()
{
    Game game;
    for (auto& p : game.state.players)
        p.canBet = true;
    Screen& betting = game.screens.get(ScreenId::betit);
    game.screens.show(ScreenId::betit);
    QVERIFY(QTest::qWaitForWindowActive(&betting));
    test::typeInto(stakeBox(game.screens, 2), "-5");
    test::click(raceButton(game.screens, 1));
    QCOMPARE(game.messages, QStringList{"Player 2: You can't bet a negative amount - please enter 0 or more"});
    QCOMPARE(game.visibleNames(), QStringList{"betit"});
    QTRY_VERIFY(stakeBox(game.screens, 2)->hasFocus());
    test::typeInto(stakeBox(game.screens, 2), "5");
    test::typeInto(stakeBox(game.screens, 4), "many");
    test::click(raceButton(game.screens, 1));
    QCOMPARE(game.messages.last(), QString("Player 4: That is not a number - please enter the amount to bet"));
    QTRY_VERIFY(stakeBox(game.screens, 4)->hasFocus());
    // Nothing on the screen changed.
    QCOMPARE(stakeBox(game.screens, 4)->text(), QString("many"));
    QCOMPARE(betit<QLabel>(game.screens, "Label5")->text(), QString("50"));
}

void BettingTest::realMessageBoxHasTitleAndOneButton()
{
    GameState state;
    SeededRandom random(1);
    Screens screens(state, random);
    state.players[0].stake = "51";
    Screen& betting = screens.get(ScreenId::betit);
    screens.show(ScreenId::betit);
    QString title, text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    test::click(raceButton(screens, 1));
    QCOMPARE(title, QString("Furlox V3.1"));
    QCOMPARE(text, QString("Player 1: You don't have enough money - please enter a lower number"));
    QCOMPARE(buttons, 1);
    QVERIFY(betting.isVisible());
}

void BettingTest::emptiedBoxSwitchesRaceOff()
{
    Game game;
    game.screens.show(ScreenId::betit);
    test::typeInto(stakeBox(game.screens, 1), "");
    QVERIFY(!raceButton(game.screens, 1)->isEnabled());
    QVERIFY(!raceButton(game.screens, 2)->isEnabled());
    // Any character in any box switches both back on, even with box 1 empty.
    test::typeInto(stakeBox(game.screens, 3), "x");
    QVERIFY(raceButton(game.screens, 1)->isEnabled());
    QVERIFY(raceButton(game.screens, 2)->isEnabled());
    QCOMPARE(stakeBox(game.screens, 1)->text(), QString());
    // Only the changed box counts: emptying box 3 switches them off again.
    QTest::keyClick(stakeBox(game.screens, 3), Qt::Key_Backspace);
    QVERIFY(!raceButton(game.screens, 1)->isEnabled());
}

void BettingTest::menuShortcutsWorkFromAStakeBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("screen");
    QTest::addRow("Ctrl+N new game") << int(Qt::Key_N) << "selectpl";
    QTest::addRow("Ctrl+H history") << int(Qt::Key_H) << "horsehistory";
    QTest::addRow("Ctrl+Z speed") << int(Qt::Key_Z) << "gspeed";
    QTest::addRow("Ctrl+C currency") << int(Qt::Key_C) << "currencyed";
    QTest::addRow("Ctrl+P names") << int(Qt::Key_P) << "plname";
    QTest::addRow("Ctrl+A about") << int(Qt::Key_A) << "aboutgame";
}

void BettingTest::menuShortcutsWorkFromAStakeBox()
{
    QFETCH(int, key);
    QFETCH(QString, screen);
    Game game;
    Screen& betting = game.screens.get(ScreenId::betit);
    game.screens.show(ScreenId::betit);
    QVERIFY(QTest::qWaitForWindowActive(&betting));
    test::typeInto(stakeBox(game.screens, 1), "12");
    QTest::keyClick(stakeBox(game.screens, 1), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(game.visibleNames(), QStringList{screen});
    QCOMPARE(stakeBox(game.screens, 1)->text(), QString("12"));  // the box did not take the key
}

void BettingTest::exitEndsAtOnce()
{
    Game game;
    Screen& betting = game.screens.get(ScreenId::betit);
    game.screens.show(ScreenId::betit);
    QVERIFY(QTest::qWaitForWindowActive(&betting));
    test::typeInto(stakeBox(game.screens, 1), "abc");
    stakeBox(game.screens, 1)->selectAll();
    QTest::keyClick(stakeBox(game.screens, 1), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(game.exited);
    QVERIFY(game.visibleNames().isEmpty());
    QCOMPARE(stakeBox(game.screens, 1)->text(), QString("abc"));  // not cut
}

void BettingTest::newGameResetsOnlyWhatItShould()
{
    Game game;
    GameState& s = game.state;
    Screen& betting = game.screens.get(ScreenId::betit);
    // A game well under way: money moved, computer broke, horses won.
    s.players[0].money = "80";
    s.players[1].money = "0";
    s.players[1].canBet = false;
    s.players[1].name = "Bea";
    s.players[0].name = "Al";
    s.players[0].stake = "12";
    s.players[0].horse = 5;
    s.players[2].typedName = "Cy";
    s.computer.takesPart = true;
    s.computer.outOfMoney = true;
    s.computer.moneyLineVisible = false;
    s.computer.moneyShown = "0";
    s.computerRecord.after = "0";
    s.computerRecord.stake = "7";
    s.betting.raceButton1Visible = false;
    s.winCounts = {1, 0, 3, 0, 0, 2};
    s.race.tickInterval = 30;
    s.currency = "\u20ac";
    s.names.confirmed = true;
    s.difficulty.tall = true;
    s.difficulty.levelButtonsEnabled = false;
    s.difficulty.continueEnabled = true;
    const auto odds = s.odds;
    game.screens.show(ScreenId::betit);
    betting.refresh();

    betit<QAction>(game.screens, "newg")->trigger();

    QCOMPARE(game.visibleNames(), QStringList{"selectpl"});
    for (const auto& p : s.players)
        QCOMPARE(p.money, std::string("50"));
    QCOMPARE(s.players[0].name, std::string("Al"));
    for (int i = 1; i < 4; ++i)
        QCOMPARE(s.players[i].name, std::string("(NOT PLAYING)"));
    QVERIFY(!s.computer.takesPart);
    QVERIFY(!s.computer.outOfMoney);
    QVERIFY(s.computer.moneyLineVisible);
    QCOMPARE(s.computer.moneyShown, std::string("50"));
    QCOMPARE(s.computerRecord.after, std::string("50"));
    QCOMPARE(s.winCounts, (std::array<int, 6>{}));
    QVERIFY(s.betting.raceButton1Visible);
    QVERIFY(!s.names.confirmed);
    QVERIFY(!s.difficulty.tall && s.difficulty.levelButtonsEnabled && !s.difficulty.continueEnabled);
    // Left alone: odds, stakes, choices, who can bet, typed names, the rest
    // of the record, speed and currency.
    QCOMPARE(s.odds, odds);
    QCOMPARE(s.players[0].stake, std::string("12"));
    QCOMPARE(s.players[0].horse, 5);
    QVERIFY(!s.players[1].canBet);
    QCOMPARE(s.players[2].typedName, std::string("Cy"));
    QCOMPARE(s.computerRecord.stake, std::string("7"));
    QCOMPARE(s.race.tickInterval, 30);
    QCOMPARE(s.currency, std::string("\u20ac"));
    // The screen shows it: the computer line is back over its notice.
    QVERIFY(betit<QLabel>(game.screens, "Label30")->isVisibleTo(&betting));
    QCOMPARE(betit<QLabel>(game.screens, "Label32")->text(), QString("50"));
    QCOMPARE(betit<QLabel>(game.screens, "Label5")->text(), QString("50"));
    QCOMPARE(option(game.screens, 1, 5)->isChecked(), true);
}

QTEST_MAIN(BettingTest)
#include "test_betting.moc"
