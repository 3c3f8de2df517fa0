// The record's building blocks: numbers as text, the source of chance, the
// odds draw, the splash hand-over and the betting screen's make-up.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <set>

#include "betting/betting_rules.h"
#include "core/number_text.h"
#include "screens/look.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::control;
using furlox::test::Game;
using furlox::test::ScriptedRandom;

namespace {

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

}  // namespace

class CoreTest : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data();
    void readsNumbers();
    void writesNumbers_data();
    void writesNumbers();
    void writtenNumbersReadBack();
    void seededSequenceIsFixed();
    void clockReseedNeverRepeatsWithinATick();
    void drawWholeCoversOneToN();
    void oddsStayInRangeAndAgreeEverywhere();
    void oddsDrawReseedsBeforeEveryHorse();
    void oddsEdgesShowAsText_data();
    void oddsEdgesShowAsText();
    void initialRecord();
    void splashHandsOverOnceInOrder();
    void bettingScreenMakeUp();
    void raceButtonsStacked();
    void menuItemsInOrderWithShortcuts();
    void bettingSetUpRunsOnce();
    void timersHaveTheirIntervals();
};

void CoreTest::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::addRow("whole") << "50" << true << 50.0;
    QTest::addRow("fraction") << "7.5" << true << 7.5;
    QTest::addRow("negative") << "-3" << true << -3.0;
    QTest::addRow("plus sign") << "+4" << true << 4.0;
    QTest::addRow("blanks around") << "  12\t" << true << 12.0;
    QTest::addRow("leading point") << ".5" << true << 0.5;
    QTest::addRow("trailing point") << "5." << true << 5.0;
    QTest::addRow("leading zeros") << "0050" << true << 50.0;
    QTest::addRow("negative zero") << "-0" << true << 0.0;
    QTest::addRow("empty") << "" << false << 0.0;
    QTest::addRow("blanks only") << "   " << false << 0.0;
    QTest::addRow("letters") << "ten" << false << 0.0;
    QTest::addRow("two points") << "1.2.3" << false << 0.0;
    QTest::addRow("point alone") << "." << false << 0.0;
    QTest::addRow("sign alone") << "-" << false << 0.0;
    QTest::addRow("two signs") << "+-5" << false << 0.0;
    QTest::addRow("exponent") << "1e3" << false << 0.0;
    QTest::addRow("thousands separator") << "1,000" << false << 0.0;
    QTest::addRow("blank inside") << "1 000" << false << 0.0;
    QTest::addRow("hex") << "0x10" << false << 0.0;
    QTest::addRow("infinity word") << "inf" << false << 0.0;
    QTest::addRow("nan word") << "nan" << false << 0.0;
    QTest::addRow("digit then letter") << "5a" << false << 0.0;
    QTest::addRow("unicode digit") << QString::fromUtf8("\u0665") << false << 0.0;
    QTest::addRow("too large reads infinite") << QString(400, QLatin1Char('9')) << true << HUGE_VAL;
    QTest::addRow("too small reads zero") << "0." + QString(400, QLatin1Char('0')) + "1" << true << 0.0;
}

void CoreTest::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto read = readNumber(text.toStdString());
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void CoreTest::writesNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("whole") << 65.0 << "65";
    QTest::addRow("fraction") << 42.5 << "42.5";
    QTest::addRow("no trailing zeros") << 12.5 << "12.5";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("negative zero") << -0.0 << "0";
    QTest::addRow("negative") << -7.25 << "-7.25";
    QTest::addRow("sum noise rounded off") << (0.3 - 0.1) << "0.2";
    QTest::addRow("point one plus point two") << (0.1 + 0.2) << "0.3";
    QTest::addRow("15 significant digits") << 123456789.123456789 << "123456789.123457";
    QTest::addRow("large without exponent") << 1e20 << "100000000000000000000";
    QTest::addRow("small without exponent") << 1e-7 << "0.0000001";
    QTest::addRow("rounds up a digit") << 999999999999999.9 << "1000000000000000";
    QTest::addRow("infinity clamps") << HUGE_VAL << QString::fromStdString(writeNumber(1.7976931348623157e308));
    QTest::addRow("nan is zero") << std::nan("") << "0";
    QTest::addRow("largest double stays readable") << 1.7976931348623157e308
                                                   << "179769313486231" + QString(294, QLatin1Char('0'));
}

void CoreTest::writesNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(writeNumber(value)), text);
}

void CoreTest::writtenNumbersReadBack()
{
    // Whatever the game writes must read back as a number, to 15 digits.
    SeededRandom random(7);
    random.setClockMixing(false);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, drawWhole(random, 40) - 20);
        const double value = (random.next() - 0.5) * magnitude;
        const std::string text = writeNumber(value);
        QVERIFY2(text.find('e') == std::string::npos, text.c_str());
        QVERIFY2(text != "-0", text.c_str());
        const auto back = readNumber(text);
        QVERIFY2(back.has_value(), text.c_str());
        QVERIFY2(std::fabs(*back - value) <= std::fabs(value) * 1e-14, text.c_str());
        QCOMPARE(writeNumber(*back), text);
    }
}

void CoreTest::seededSequenceIsFixed()
{
    // The same seed gives the same draws on every compiler: pin a few.
    SeededRandom a(42), b(42);
    a.setClockMixing(false);
    std::vector<double> first;
    for (int i = 0; i < 5; ++i) {
        first.push_back(a.next());
        QCOMPARE(b.next(), first.back());
        QVERIFY(first.back() >= 0.0 && first.back() < 1.0);
        QCOMPARE(first.back(), static_cast<double>(static_cast<float>(first.back())));
    }
    a.reseedFromClock();  // mixing off: nothing changes
    SeededRandom c(42);
    for (int i = 0; i < 5; ++i)
        c.next();
    QCOMPARE(a.next(), c.next());
}

void CoreTest::clockReseedNeverRepeatsWithinATick()
{
    // Six horses tick together; reseeding from the same clock reading must
    // not give them the same draw.
    SeededRandom random(1);
    std::set<double> seen;
    for (int i = 0; i < 600; ++i) {
        random.reseedFromClock();
        seen.insert(random.next());
    }
    QVERIFY(seen.size() > 590);
}

void CoreTest::drawWholeCoversOneToN()
{
    ScriptedRandom edges{0.0, 1.0 - 1.0 / 16777216.0};
    QCOMPARE(drawWhole(edges, 100), 1);
    QCOMPARE(drawWhole(edges, 100), 100);
    SeededRandom random(3);
    random.setClockMixing(false);
    std::array<int, 14> counts{};
    for (int i = 0; i < 14000; ++i) {
        const int d = drawWhole(random, 14);
        QVERIFY(d >= 1 && d <= 14);
        ++counts[d - 1];
    }
    for (int c : counts)  // 1000 expected each, sd about 30
        QVERIFY2(c > 850 && c < 1150, qPrintable(QString::number(c)));
}

void CoreTest::oddsStayInRangeAndAgreeEverywhere()
{
    Game game;
    Screen& betit = game.screens.get(ScreenId::betit);
    SeededRandom random(99);
    std::set<int> seen;
    for (int week = 0; week < 300; ++week) {
        drawOdds(game.state, random);
        betit.refresh();
        for (int horse = 1; horse <= 6; ++horse) {
            const int k = game.state.odds[horse - 1];
            QVERIFY(k >= 1 && k <= 100);
            seen.insert(k);
            const QString shown = QString::number(k) + " - 1";
            for (int slot = 1; slot <= 4; ++slot)
                QCOMPARE(oddsLabel(game.screens, slot, horse)->text(), shown);
        }
    }
    QVERIFY(seen.size() > 95);  // 1800 draws reach nearly every value
}

void CoreTest::oddsDrawReseedsBeforeEveryHorse()
{
    GameState state;
    ScriptedRandom random{0.0, 0.5, 0.99, 0.999999, 0.123, 0.5};
    drawOdds(state, random);
    QCOMPARE(random.reseeds, 6);
    const std::array<int, 6> expected{1, 51, 100, 100, 13, 51};
    QCOMPARE(state.odds, expected);  // equal odds are allowed
}

void CoreTest::oddsEdgesShowAsText_data()
{
    QTest::addColumn<int>("odds");
    QTest::addColumn<QString>("text");
    QTest::addRow("one") << 1 << "1 - 1";
    QTest::addRow("hundred") << 100 << "100 - 1";
}

void CoreTest::oddsEdgesShowAsText()
{
    QFETCH(int, odds);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(oddsLabel(odds)), text);
}

void CoreTest::initialRecord()
{
    const GameState s;
    QCOMPARE(s.players[0].name, std::string("Player 1 Bet"));
    for (int i = 1; i < 4; ++i)
        QCOMPARE(s.players[i].name, std::string("(NOT PLAYING)"));
    QCOMPARE(s.players[3].typedName, std::string("QX Player Four"));
    for (const auto& line : s.record) {
        QCOMPARE(line.before, std::string("0"));
        QCOMPARE(line.after, std::string("50"));
    }
    QCOMPARE(s.computerRecord.before, std::string("50"));
    QCOMPARE(s.computer.level, std::string("difficulty"));
    QCOMPARE(s.currency, std::string("\u00a3"));
    QCOMPARE(s.race.tickInterval, 100);
    QCOMPARE(s.race.positions[5], 240);
    QCOMPARE(s.course.course, std::string("Chepstow"));
}

void CoreTest::splashHandsOverOnceInOrder()
{
    Game game;
    game.screens.start();
    Screen& title = game.screens.get(ScreenId::title);
    QTimer* timer1 = control<QTimer>(game.screens, ScreenId::title, "Timer1");
    QCOMPARE(game.visibleNames(), QStringList{"title"});
    QVERIFY(timer1->isActive());
    QCOMPARE(timer1->interval(), 3000);
    QCOMPARE(timer1->timerType(), Qt::PreciseTimer);  // a coarse one may fire 150 ms early
    QCOMPARE(control<QLabel>(game.screens, ScreenId::title, "Image1")->pixmap().size(), QSize(450, 300));
    QVERIFY(title.windowFlags() & Qt::FramelessWindowHint);

    // The hand-over shows the player-count screen before hiding the splash.
    QStringList order;
    struct Spy : QObject {
        QStringList* order;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
                *order << o->objectName() + (e->type() == QEvent::Show ? " shown" : " hidden");
            return false;
        }
    } spy;
    spy.order = &order;
    game.screens.get(ScreenId::selectpl).installEventFilter(&spy);
    title.installEventFilter(&spy);
    QVERIFY(test::fireTimer(timer1));
    QCOMPARE(order, (QStringList{"selectpl shown", "title hidden"}));
    QCOMPARE(game.visibleNames(), QStringList{"selectpl"});
    QVERIFY(!timer1->isActive());
    QVERIFY(!test::fireTimer(timer1));  // it never fires again
}

void CoreTest::bettingScreenMakeUp()
{
    Game game;
    Screen& betit = game.screens.get(ScreenId::betit);
    QCOMPARE(betit.windowTitle(), QString("Place Your Bets"));
    QCOMPARE(betit.findChild<QWidget*>("client")->size(), QSize(650, 463));
    QVERIFY(!(betit.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(betit.windowFlags() & Qt::WindowMinMaxButtonsHint));
    const QStringList frames{"Player 1 Bet", "(NOT PLAYING)", "(NOT PLAYING)", "(NOT PLAYING)"};
    const QStringList colours{"RED", "YELLOW", "ORANGE", "GREEN", "BLUE", "PURPLE"};
    for (int slot = 1; slot <= 4; ++slot) {
        QCOMPARE(frame1(game.screens, slot - 1)->title(), frames[slot - 1]);
        QCOMPARE(frame1(game.screens, slot - 1)->objectName(), QString("Frame1(%1)").arg(slot - 1));
        QCOMPARE(stakeBox(game.screens, slot)->text(), QString("0"));
        QCOMPARE(stakeBox(game.screens, slot)->accessibleName(), QString("Player %1 amount to bet").arg(slot));
        for (int horse = 1; horse <= 6; ++horse) {
            QRadioButton* button = option(game.screens, slot, horse);
            QCOMPARE(button->text(), QString("Horse %1 (%2)").arg(horse).arg(colours[horse - 1]));
            QCOMPARE(button->parentWidget(), frame1(game.screens, slot - 1));
            QCOMPARE(button->isChecked(), horse == 1);
            QCOMPARE(button->y(), 24 + 16 * (horse - 1));
        }
    }
    // The numbering of slots 2..4 runs upwards: Option12 is slot 2's horse 1.
    QCOMPARE(betit.findChild<QRadioButton*>("Option12"), option(game.screens, 2, 1));
    QCOMPARE(betit.findChild<QRadioButton*>("Option19"), option(game.screens, 4, 6));
    QCOMPARE(betit.findChild<QLabel*>("Label27(5)"), oddsLabel(game.screens, 2, 6));
    QCOMPARE(betit.findChild<QLabel*>("Label16")->text(), QString("50"));
    QCOMPARE(betit.findChild<QLabel*>("Label17")->text(), QString::fromUtf8("\u00a3"));
    QCOMPARE(betLabel(game.screens, "Label30")->text(), QString("--Computer Not Playing--"));
    QCOMPARE(betLabel(game.screens, "Label33")->geometry(), betLabel(game.screens, "Label30")->geometry());
}

void CoreTest::raceButtonsStacked()
{
    Game game;
    Screen& betit = game.screens.get(ScreenId::betit);
    QPushButton* command1 = betButton(game.screens, "Command1");
    QPushButton* command2 = betButton(game.screens, "Command2");
    QLabel* label30 = betLabel(game.screens, "Label30");
    QLabel* label33 = betLabel(game.screens, "Label33");
    game.screens.show(betit);
    QCOMPARE(command1->geometry(), command2->geometry());
    QCOMPARE(command1->text(), QString("RACE!"));
    QCOMPARE(command2->text(), QString("RACE!"));
    const QPoint middle = command1->geometry().center();
    QCOMPARE(command1->parentWidget()->childAt(middle), command1);
    game.state.betting.raceButton1Visible = false;
    betit.refresh();
    QCOMPARE(command1->parentWidget()->childAt(middle), command2);
    // The label under the computer's heading shows only when the heading goes.
    const QPoint heading = label30->geometry().center();
    QCOMPARE(label30->parentWidget()->childAt(heading), label30);
    game.state.computer.moneyLineVisible = false;
    betit.refresh();
    QCOMPARE(label30->parentWidget()->childAt(heading), label33);
}

void CoreTest::menuItemsInOrderWithShortcuts()
{
    Game game;
    QStringList menus;
    for (QAction* action : control<QMenuBar>(game.screens, ScreenId::betit, "menuBar")->actions())
        menus << action->menu()->objectName() + "=" + action->text();
    QCOMPARE(menus, (QStringList{"game=Game", "Options=Options", "about=About"}));
    QStringList items;
    for (const char* menu : {"game", "Options", "about"})
        for (QAction* action : control<QMenu>(game.screens, ScreenId::betit, menu)->actions())
            items << action->objectName() + "|" + action->text() + "|" + action->shortcut().toString();
    QCOMPARE(items, (QStringList{"newg|New Game / Restart|Ctrl+N", "exit|Exit|Ctrl+X",
                                 "history|Furlox History|Ctrl+H", "speed|Game Speed|Ctrl+Z",
                                 "currency|Currency|Ctrl+C", "changepl|Change Player Names|Ctrl+P",
                                 "aboutfurlox|About Furlox|Ctrl+A"}));
}

void CoreTest::bettingSetUpRunsOnce()
{
    GameState state;
    state.players[2].horse = 4;
    ScriptedRandom random{0.0, 0.1, 0.2, 0.3, 0.4, 0.5};
    setUpBetting(state, random);
    QCOMPARE(state.players[2].horse, 1);
    const auto odds = state.odds;
    state.players[0].horse = 3;
    setUpBetting(state, random);
    QCOMPARE(state.odds, odds);
    QCOMPARE(state.players[0].horse, 3);
}

void CoreTest::timersHaveTheirIntervals()
{
    // Every game timer, its interval, and whether it must not fire early
    // (Qt's default coarse timers may fire up to 5% before time).
    Game game;
    Screens& s = game.screens;
    const std::vector<Screen*> screens{&s.get(ScreenId::title), &s.get(ScreenId::computerdifficulty),
                                       &s.get(ScreenId::racecourse), &s.get(ScreenId::computercalculation),
                                       &s.get(ScreenId::ingame)};
    QStringList seen;
    for (Screen* screen : screens)
        for (QTimer* timer : screen->findChildren<QTimer*>())
            seen << QString("%1.%2 %3%4")
                        .arg(screen->objectName(), timer->objectName())
                        .arg(timer->interval())
                        .arg(timer->timerType() == Qt::PreciseTimer ? " precise" : "");
    seen.sort();
    QCOMPARE(seen, (QStringList{"computercalculation.Timer1 2500 precise", "computercalculation.Timer2 2500 precise",
                                "computercalculation.Timer3 1", "computerdifficulty.Timer1 1",
                                "ingame.Timer1 100 precise", "ingame.Timer2 100 precise", "ingame.Timer3 100 precise",
                                "ingame.Timer4 100 precise", "ingame.Timer5 100 precise", "ingame.Timer6 100 precise",
                                "racecourse.Timer1 1", "title.Timer1 3000 precise"}));
}

QTEST_MAIN(CoreTest)
#include "test_core.moc"
