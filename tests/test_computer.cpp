// The computer opponent: its favourite scan, the horse step at each level,
// the stake, and a week played through the real screens.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QProperty>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "computer/computer_rules.h"
#include "core/number_text.h"
#include "race/race_rules.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::click;
using furlox::test::control;
using furlox::test::fireTimer;
using furlox::test::Game;
using furlox::test::typeInto;

namespace {

using Odds = QList<int>;

std::array<std::string, kHorseCount> oddsTexts(const Odds& odds)
{
    std::array<std::string, kHorseCount> texts;
    for (int h = 0; h < kHorseCount; ++h)
        texts[h] = std::to_string(odds[h]);
    return texts;
}

QString choiceText(int horse) { return QStringLiteral("Computer will bet on Horse number: %1").arg(horse); }

const QString kStatusReset = QStringLiteral("Calculating Horse Number......");
const QString kChoiceReset = QStringLiteral("Computer will bet on Horse number:");
const QString kStatusStake = QStringLiteral("Calculating amount to bet.......");

// The computer calculation screen and its controls, reached by their object names.
struct CalcControls {
    Screen* screen = nullptr;
    QLabel* Label2 = nullptr;  // the chosen horse
    QLabel* Label4 = nullptr;  // status line
    QLabel* Label5 = nullptr;  // currency sign
    QLabel* Label6 = nullptr;  // the stake
    QPushButton* Command1 = nullptr;  // "Continue..."
    std::array<QLabel*, kHorseCount + 1> bet{};  // bet[1] .. bet[6]
    QLabel* mediumthing = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
};

CalcControls calcScreen(Screens& screens)
{
    const ScreenId id = ScreenId::computercalculation;
    CalcControls calc;
    calc.screen = &screens.get(id);
    calc.Label2 = control<QLabel>(screens, id, "Label2");
    calc.Label4 = control<QLabel>(screens, id, "Label4");
    calc.Label5 = control<QLabel>(screens, id, "Label5");
    calc.Label6 = control<QLabel>(screens, id, "Label6");
    calc.Command1 = control<QPushButton>(screens, id, "Command1");
    for (int h = 1; h <= kHorseCount; ++h)
        calc.bet[h] = control<QLabel>(screens, id, QStringLiteral("bet%1").arg(h));
    calc.mediumthing = control<QLabel>(screens, id, "mediumthing");
    calc.Timer1 = control<QTimer>(screens, id, "Timer1");
    calc.Timer2 = control<QTimer>(screens, id, "Timer2");
    calc.Timer3 = control<QTimer>(screens, id, "Timer3");
    return calc;
}

}  // namespace

class ComputerTest : public QObject {
    Q_OBJECT
private slots:
    void favouriteScan_data();
    void favouriteScan();
    void horseStep_data();
    void horseStep();
    void stakeIsWholeWithinMoney_data();
    void stakeIsWholeWithinMoney();
    void weekWithTheComputer_data();
    void weekWithTheComputer();
};

void ComputerTest::favouriteScan_data()
{
    QTest::addColumn<Odds>("odds");
    QTest::addColumn<int>("horse");  // 0: none
    // Each edge row pairs the edge value with a rival that the neighbouring
    // bracket would prefer, so a wrong bound picks the rival.
    QTest::addRow("4 is in bracket 1") << Odds{4, 100, 100, 100, 100, 5} << 1;
    QTest::addRow("5 is not in bracket 1") << Odds{5, 100, 100, 100, 100, 19} << 6;
    QTest::addRow("19 is in bracket 2") << Odds{19, 100, 100, 100, 20, 100} << 1;
    QTest::addRow("20 is not in bracket 2") << Odds{39, 20, 100, 100, 100, 100} << 1;
    QTest::addRow("39 is in bracket 3") << Odds{100, 40, 100, 100, 100, 39} << 6;
    QTest::addRow("40 is not in bracket 3") << Odds{100, 59, 100, 100, 40, 100} << 2;
    QTest::addRow("59 is in bracket 4") << Odds{60, 100, 100, 100, 100, 59} << 6;
    QTest::addRow("60 is not in bracket 4") << Odds{79, 60, 100, 100, 100, 100} << 1;
    QTest::addRow("79 is in bracket 5") << Odds{100, 79, 100, 80, 100, 100} << 2;
    QTest::addRow("80 is not in bracket 5") << Odds{80, 100, 100, 99, 100, 100} << 4;
    QTest::addRow("99 is in bracket 6") << Odds{100, 100, 100, 100, 100, 99} << 6;
    QTest::addRow("100 is in no bracket") << Odds{100, 100, 100, 100, 100, 100} << 0;
    // Inside a bracket the order decides, not the lowest odds.
    QTest::addRow("bracket 1 order over lower odds") << Odds{30, 4, 50, 3, 70, 90} << 2;
    QTest::addRow("bracket 2 tests horse 6 first") << Odds{12, 30, 15, 60, 90, 8} << 6;
    QTest::addRow("bracket 4 tests horse 2 first") << Odds{45, 50, 70, 99, 41, 55} << 2;
    QTest::addRow("bracket 4 with one horse") << Odds{70, 65, 80, 90, 75, 55} << 6;
    QTest::addRow("bracket 3 tests horse 5 first") << Odds{25, 21, 100, 30, 39, 22} << 5;
    QTest::addRow("bracket 6 tests horse 4 first") << Odds{81, 85, 90, 99, 88, 80} << 4;
}

void ComputerTest::favouriteScan()
{
    QFETCH(Odds, odds);
    QFETCH(int, horse);
    QCOMPARE(furlox::favouriteScan(oddsTexts(odds)).value_or(0), horse);
}

void ComputerTest::horseStep_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<Odds>("odds");
    QTest::addColumn<QList<int>>("coinThenHorse");  // scripted draws: the coin (medium) then the horse
    QTest::addColumn<int>("horse");                 // 0: no choice yet
    QTest::addColumn<QString>("coin");
    QTest::addColumn<int>("reseeds");

    const Odds favourite2{30, 4, 50, 3, 70, 90};
    const Odds none{100, 100, 100, 100, 100, 100};
    QTest::addRow("easy ignores the odds") << "easy" << favourite2 << QList<int>{6} << 6 << "" << 1;
    QTest::addRow("easy first horse") << "easy" << favourite2 << QList<int>{1} << 1 << "" << 1;
    QTest::addRow("medium coin 6 draws uniformly") << "medium" << favourite2 << QList<int>{6, 5} << 5 << "6" << 1;
    QTest::addRow("medium coin 10 draws uniformly") << "medium" << favourite2 << QList<int>{10, 1} << 1 << "10" << 1;
    QTest::addRow("medium coin 5 scans") << "medium" << favourite2 << QList<int>{5} << 2 << "5" << 1;
    QTest::addRow("medium coin 1 scans") << "medium" << favourite2 << QList<int>{1} << 2 << "1" << 1;
    QTest::addRow("medium coin 3 without favourite waits") << "medium" << none << QList<int>{3} << 0 << "3" << 1;
    QTest::addRow("hard scans without drawing") << "hard" << favourite2 << QList<int>{} << 2 << "" << 0;
    QTest::addRow("hard without favourite draws uniformly") << "hard" << none << QList<int>{4} << 4 << "" << 1;
}

void ComputerTest::horseStep()
{
    QFETCH(QString, level);
    QFETCH(Odds, odds);
    QFETCH(QList<int>, coinThenHorse);
    QFETCH(int, horse);
    QFETCH(QString, coin);
    QFETCH(int, reseeds);

    Game g;
    g.state.computer.level = level.toStdString();
    g.state.calc.odds = oddsTexts(odds);
    g.state.calc.timer1 = true;
    const CalcControls calc = calcScreen(g.screens);
    g.screens.show(ScreenId::computercalculation);
    for (int i = 0; i < coinThenHorse.size(); ++i)
        g.random.pushDraw(coinThenHorse[i], level == "medium" && i == 0 ? 10 : 6);

    QVERIFY(fireTimer(calc.Timer1));
    if (level == "hard") {
        // Timer1 only hands over; the scan runs on Timer3's tick.
        QCOMPARE(calc.Label2->text(), kChoiceReset);
        QVERIFY(!calc.Timer1->isActive());
        QVERIFY(!calc.Timer2->isActive());
        QVERIFY(fireTimer(calc.Timer3));
    }
    QCOMPARE(g.random.draws, static_cast<int>(coinThenHorse.size()));
    QCOMPARE(g.random.reseeds, reseeds);
    QCOMPARE(calc.mediumthing->text(), coin);
    if (horse) {
        QCOMPARE(calc.Label2->text(), choiceText(horse));
        QCOMPARE(calc.Label4->text(), kStatusStake);
        QVERIFY(!calc.Timer1->isActive());
        QVERIFY(calc.Timer2->isActive());
        QVERIFY(!calc.Timer3->isActive());  // the hard step stops once it has chosen
    } else {
        // Nothing changes; the whole step, coin included, comes round again.
        QCOMPARE(calc.Label2->text(), kChoiceReset);
        QCOMPARE(calc.Label4->text(), kStatusReset);
        QVERIFY(calc.Timer1->isActive());
        QVERIFY(!calc.Timer2->isActive());
    }
    QVERIFY(!calc.Command1->isEnabled());
    QCOMPARE(calc.Label6->text(), QString());
}

void ComputerTest::stakeIsWholeWithinMoney_data()
{
    QTest::addColumn<QString>("money");
    QTest::addColumn<bool>("reachesBothEnds");
    QTest::addRow("money 1") << "1" << true;
    QTest::addRow("money 2") << "2" << true;
    QTest::addRow("money 50") << "50" << true;
    QTest::addRow("money 250000") << "250000" << false;
}

void ComputerTest::stakeIsWholeWithinMoney()
{
    QFETCH(QString, money);
    QFETCH(bool, reachesBothEnds);
    SeededRandom random(2024);
    random.setClockMixing(false);
    GameState state;
    state.computerRecord.after = money.toStdString();
    const double m = money.toDouble();
    double lowest = m + 1, highest = 0;
    for (int i = 0; i < 5000; ++i) {
        state.calc.timer2 = true;
        computerStakeStep(state, random);
        const auto stake = readNumber(state.calc.stake);
        QVERIFY2(stake.has_value(), state.calc.stake.c_str());
        QVERIFY2(*stake == std::floor(*stake) && *stake >= 1 && *stake <= m, state.calc.stake.c_str());
        lowest = std::min(lowest, *stake);
        highest = std::max(highest, *stake);
    }
    if (reachesBothEnds) {
        QCOMPARE(lowest, 1.0);
        QCOMPARE(highest, m);
    }
}

void ComputerTest::weekWithTheComputer_data()
{
    QTest::addColumn<int>("winner");
    QTest::addColumn<QString>("computerAfter");
    QTest::addColumn<QString>("playerAfter");
    // The computer backs horse 2 at 4 to 1 with 7; player 1 horse 1 at 30 to 1 with 10.
    QTest::addRow("computer's horse wins") << 2 << "78" << "40";
    QTest::addRow("player's horse wins") << 1 << "43" << "350";
    QTest::addRow("nobody's horse wins") << 5 << "43" << "40";
}

void ComputerTest::weekWithTheComputer()
{
    QFETCH(int, winner);
    QFETCH(QString, computerAfter);
    QFETCH(QString, playerAfter);

    Game g;
    GameState& s = g.state;
    choosePlayerCount(s, 1, true);
    pickLevel(s, "hard");
    drawOpponentName(s, g.random);
    confirmOpponent(s);
    confirmNames(s);
    g.screens.get(ScreenId::betit);
    s.odds = {30, 4, 50, 3, 70, 90};
    g.screens.show(ScreenId::betit);
    typeInto(control<QLineEdit>(g.screens, ScreenId::betit, "Text1"), QStringLiteral("10"));

    click(control<QPushButton>(g.screens, ScreenId::betit, "Command2"));
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("computercalculation")});
    const CalcControls calc = calcScreen(g.screens);
    QCOMPARE(calc.Label4->text(), kStatusReset);
    QCOMPARE(calc.Label2->text(), kChoiceReset);
    QCOMPARE(calc.Label6->text(), QString());
    QCOMPARE(calc.Label5->text(), QStringLiteral("\u00a3"));
    QCOMPARE(calc.bet[2]->text(), QStringLiteral("4"));
    QVERIFY(!calc.Command1->isEnabled());
    QVERIFY(!fireTimer(calc.Timer2));
    QVERIFY(!fireTimer(calc.Timer3));

    QVERIFY(fireTimer(calc.Timer1));  // hard: hands over to Timer3
    QVERIFY(fireTimer(calc.Timer3));
    QCOMPARE(calc.Label2->text(), choiceText(2));
    QCOMPARE(calc.Label4->text(), kStatusStake);
    QVERIFY(!calc.Command1->isEnabled());

    // Arming Timer2 again while it runs must leave its tick where it was.
    int timer2Changes = 0;
    const QPropertyNotifier watch = calc.Timer2->bindableActive().addNotifier([&] { ++timer2Changes; });
    g.screens.refreshAll();
    calc.screen->refresh();
    QCOMPARE(timer2Changes, 0);

    g.random.pushDraw(7, 50);
    QVERIFY(fireTimer(calc.Timer2));
    QCOMPARE(calc.Label4->text(), QStringLiteral("Finished!"));
    QCOMPARE(calc.Label6->text(), QStringLiteral("7"));
    QVERIFY(calc.Command1->isEnabled());
    QVERIFY(!calc.Timer1->isActive() && !calc.Timer2->isActive() && !calc.Timer3->isActive());

    click(calc.Command1);
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("racecourse")});
    QVERIFY(control<QTimer>(g.screens, ScreenId::racecourse, QStringLiteral("Timer1"))->isActive());
    QCOMPARE(s.computerRecord.horse, std::string("2"));
    QCOMPARE(s.computerRecord.stake, std::string("7"));
    QCOMPARE(s.computerRecord.before, std::string("50"));
    // Back to the reset texts for next week.
    QCOMPARE(calc.Label4->text(), kStatusReset);
    QCOMPARE(calc.Label2->text(), kChoiceReset);
    QCOMPARE(calc.Label6->text(), QString());
    QVERIFY(!calc.Command1->isEnabled());
    QVERIFY(!calc.Timer1->isActive() && !calc.Timer2->isActive() && !calc.Timer3->isActive());

    settleRace(s, winner);
    QCOMPARE(QString::fromStdString(s.computerRecord.after), computerAfter);
    QCOMPARE(QString::fromStdString(s.record[0].after), playerAfter);
}

QTEST_MAIN(ComputerTest)
#include "test_computer.moc"
