// Setting up a game through its real screens: player count, the computer
// opponent and its name, the names, and the racecourse before each race.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "screens/look.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::click;
using furlox::test::control;
using furlox::test::fireTimer;
using furlox::test::Game;
using furlox::test::typeInto;

namespace {

// Writes down the order of reseeds (r) and draws (d).
class LoggingRandom : public test::ScriptedRandom {
public:
    double next() override
    {
        log += 'd';
        return ScriptedRandom::next();
    }
    void reseedFromClock() override
    {
        log += 'r';
        ScriptedRandom::reseedFromClock();
    }
    std::string log;
};

// Controls by their object names.
QPushButton* pushButton(Screens& s, ScreenId id, const QString& name) { return control<QPushButton>(s, id, name); }
QLabel* label(Screens& s, ScreenId id, const QString& name) { return control<QLabel>(s, id, name); }
QTimer* timer1(Screens& s, ScreenId id) { return control<QTimer>(s, id, "Timer1"); }
// Box Text1 .. Text4 of the names screen.
QLineEdit* nameBox(Screens& s, int slot)
{
    return control<QLineEdit>(s, ScreenId::plname, QString("Text%1").arg(slot));
}
QGroupBox* frame1(Screens& s, int index)
{
    return control<QGroupBox>(s, ScreenId::betit, QString("Frame1(%1)").arg(index));
}
// Stake box Text1 .. Text4 of the betting screen.
QLineEdit* stakeBox(Screens& s, int slot)
{
    return control<QLineEdit>(s, ScreenId::betit, QString("Text%1").arg(slot));
}
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
    return label(s, ScreenId::betit, slot == 1 ? QString("Label%1").arg(20 + horse)
                                               : QString("Label%1(%2)").arg(25 + slot).arg(horse - 1));
}

// "1 Player" .. "4 Players".
QPushButton* countButton(Screens& s, int count)
{
    return pushButton(s, ScreenId::selectpl, QString("Command%1").arg(count));
}

void setComputerBox(Screens& s, bool ticked)
{
    auto* check1 = control<QCheckBox>(s, ScreenId::selectpl, "Check1");
    if (check1->isChecked() != ticked)
        click(check1);
}

// From the player-count screen to the betting screen, the way players do it.
void setUp(Game& g, int count, bool computer, int nameDraw = 1)
{
    setComputerBox(g.screens, computer);
    click(countButton(g.screens, count));
    if (computer) {
        click(pushButton(g.screens, ScreenId::computerdifficulty, "Command2"));
        g.random.pushDraw(nameDraw, 10);
        QVERIFY(fireTimer(timer1(g.screens, ScreenId::computerdifficulty)));
        click(pushButton(g.screens, ScreenId::computerdifficulty, "Command1"));
    }
    click(pushButton(g.screens, ScreenId::plname, "Command1"));
}

bool slotCanBet(Screens& s, int slot)
{
    bool all = stakeBox(s, slot)->isEnabled();
    for (int horse = 1; horse <= 6; ++horse)
        all = all && option(s, slot, horse)->isEnabled();
    return all;
}

}  // namespace

class SetupTest : public QObject {
    Q_OBJECT
private slots:
    void newGameWithCount_data();
    void newGameWithCount();
    void ampersandAndEmptyNames_data();
    void ampersandAndEmptyNames();
    void renamingMidGameTouchesOnlyCaptions();
    void difficultyScreenStates_data();
    void difficultyScreenStates();
    void everyNameAndCourseCanBeDrawn_data();
    void everyNameAndCourseCanBeDrawn();
    void racecourseDrawsOncePerShowing();
    void splashToBettingScreen();
};

void SetupTest::newGameWithCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("computer");
    for (int count = 1; count <= 4; ++count) {
        QTest::addRow("%d without computer", count) << count << false;
        QTest::addRow("%d with computer", count) << count << true;
    }
}

// A new game after a four-player game with the computer, in which player 1
// went broke and player 4 left a stake that is not a number: the new count
// overrides the old one completely.
void SetupTest::newGameWithCount()
{
    QFETCH(int, count);
    QFETCH(bool, computer);
    Game g;
    g.screens.show(ScreenId::selectpl);
    setUp(g, 4, true, 4);
    const QStringList typed{"Ann", "Bob", "Cy", "Di"};
    Screen& names = g.screens.get(ScreenId::plname);
    menuItem(g.screens, "changepl")->trigger();
    for (int k = 1; k <= 4; ++k)
        typeInto(nameBox(g.screens, k), typed[k - 1]);
    click(pushButton(g.screens, ScreenId::plname, "Command1"));
    typeInto(stakeBox(g.screens, 4), "abc");
    g.state.players[0].canBet = false;
    g.screens.refreshAll();

    menuItem(g.screens, "newg")->trigger();
    QCOMPARE(g.visibleNames(), QStringList{"selectpl"});
    QCOMPARE(names.windowTitle(), QString("Player Names"));
    QCOMPARE(pushButton(g.screens, ScreenId::plname, "Command1")->text(), QString("Lets Race!"));

    setComputerBox(g.screens, computer);
    click(countButton(g.screens, count));
    QCOMPARE(g.visibleNames(), QStringList{computer ? "computerdifficulty" : "plname"});
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(slotCanBet(g.screens, k), k <= count);
        QCOMPARE(nameBox(g.screens, k)->isEnabled(), k <= count);
        QCOMPARE(nameBox(g.screens, k)->text(), typed[k - 1]);
    }
    QCOMPARE(pushButton(g.screens, ScreenId::betit, "Command1")->isHidden(), computer);
    QCOMPARE(label(g.screens, ScreenId::betit, "Label30")->text(),
             computer ? QString("Pompadoodle's money:") : QString("--Computer Not Playing--"));

    if (computer) {
        click(pushButton(g.screens, ScreenId::computerdifficulty, "Command3"));
        QVERIFY(fireTimer(timer1(g.screens, ScreenId::computerdifficulty)));
        click(pushButton(g.screens, ScreenId::computerdifficulty, "Command1"));
    }
    click(pushButton(g.screens, ScreenId::plname, "Command1"));
    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(frame1(g.screens, k - 1)->title(), k <= count ? typed[k - 1] : QString("(NOT PLAYING)"));

    // Slot 4's leftover stake holds the race up only where it can be corrected.
    click(pushButton(g.screens, ScreenId::betit, computer ? "Command2" : "Command1"));
    if (count == 4) {
        QCOMPARE(g.messages, QStringList{"Player 4: That is not a number - please enter the amount to bet"});
        QCOMPARE(g.visibleNames(), QStringList{"betit"});
    } else {
        QVERIFY(g.messages.isEmpty());
        QCOMPARE(g.state.record[3].stake, std::string("0"));
        QCOMPARE(g.visibleNames(), QStringList{computer ? "computercalculation" : "racecourse"});
    }
}

void SetupTest::ampersandAndEmptyNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");  // the group box's title, "&" doubled to show as itself
    QTest::addRow("ampersand") << "Tom & Jerry" << "Tom && Jerry";
    QTest::addRow("emptied box") << "" << "";
    QTest::addRow("blanks kept") << "  Sam " << "  Sam ";
}

void SetupTest::ampersandAndEmptyNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, title);
    Game g;
    g.screens.show(ScreenId::selectpl);
    click(countButton(g.screens, 2));
    typeInto(nameBox(g.screens, 2), typed);
    QCOMPARE(g.state.players[1].typedName, typed.toStdString());
    click(pushButton(g.screens, ScreenId::plname, "Command1"));
    QCOMPARE(frame1(g.screens, 0)->title(), QString("QX Player One"));
    QCOMPARE(frame1(g.screens, 1)->title(), title);
}

void SetupTest::renamingMidGameTouchesOnlyCaptions()
{
    Game g;
    g.screens.show(ScreenId::selectpl);
    setUp(g, 2, false);
    typeInto(stakeBox(g.screens, 1), "7.5");
    click(option(g.screens, 2, 4));
    g.state.players[1].money = "12";
    g.screens.refreshAll();
    const GameState before = g.state;
    const QString odds = oddsLabel(g.screens, 1, 1)->text();

    menuItem(g.screens, "changepl")->trigger();
    Screen& names = g.screens.get(ScreenId::plname);
    QCOMPARE(g.visibleNames(), QStringList{"plname"});
    QCOMPARE(names.windowTitle(), QString("Change Player Names"));
    QCOMPARE(pushButton(g.screens, ScreenId::plname, "Command1")->text(), QString("Change It!"));
    typeInto(nameBox(g.screens, 1), "Zed");
    click(pushButton(g.screens, ScreenId::plname, "Command1"));

    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    QCOMPARE(frame1(g.screens, 0)->title(), QString("Zed"));
    QCOMPARE(frame1(g.screens, 1)->title(), QString("QX Player Two"));
    QCOMPARE(stakeBox(g.screens, 1)->text(), QString("7.5"));
    QVERIFY(option(g.screens, 2, 4)->isChecked());
    QCOMPARE(label(g.screens, ScreenId::betit, "Label6")->text(), QString("12"));
    QCOMPARE(oddsLabel(g.screens, 1, 1)->text(), odds);
    QCOMPARE(g.state.record[0].stake, before.record[0].stake);
}

void SetupTest::difficultyScreenStates_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("level");
    QTest::addRow("Easy") << 2 << "easy";
    QTest::addRow("Medium") << 3 << "medium";
    QTest::addRow("Hard") << 4 << "hard";
}

void SetupTest::difficultyScreenStates()
{
    QFETCH(int, button);
    QFETCH(QString, level);
    Game g;
    g.screens.show(ScreenId::selectpl);
    setComputerBox(g.screens, true);
    click(countButton(g.screens, 1));
    Screen& d = g.screens.get(ScreenId::computerdifficulty);
    const auto dButton = [&](const char* name) { return pushButton(g.screens, ScreenId::computerdifficulty, name); };
    const auto dLabel = [&](const char* name) { return label(g.screens, ScreenId::computerdifficulty, name); };
    QTimer* dTimer1 = timer1(g.screens, ScreenId::computerdifficulty);
    QPushButton* levelButton = dButton(qPrintable(QString("Command%1").arg(button)));

    for (int visit = 1; visit <= 2; ++visit) {
        // Choosing: short window, no draw running, "Continue" does nothing.
        QCOMPARE(d.height(), tw(945));
        QVERIFY(!fireTimer(dTimer1));
        click(dButton("Command1"));
        QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});

        const int reseeds = g.random.reseeds;
        click(levelButton);
        QCOMPARE(dLabel("Label2")->text(), level);
        QCOMPARE(d.height(), tw(2115));
        QVERIFY(dLabel("Label3")->isVisibleTo(&d) && dLabel("Label4")->isVisibleTo(&d));
        QVERIFY(!dButton("Command2")->isEnabled() && !dButton("Command3")->isEnabled() &&
                !dButton("Command4")->isEnabled());
        QVERIFY(!dButton("Command1")->isEnabled());

        g.random.pushDraw(7, 10);
        QVERIFY(fireTimer(dTimer1));
        QCOMPARE(g.random.reseeds, reseeds + 1);
        QVERIFY(!fireTimer(dTimer1));
        QCOMPARE(dLabel("Label4")->text(), QString("Rufus 'Hop Skip 'n' Jump' Pelloe"));
        QVERIFY(dButton("Command1")->isEnabled());

        click(dButton("Command1"));
        QCOMPARE(g.visibleNames(), QStringList{"plname"});
        QCOMPARE(label(g.screens, ScreenId::betit, "Label30")->text(),
                 QString("Rufus 'Hop Skip 'n' Jump' Pelloe's money:"));
        QCOMPARE(g.state.computer.level, level.toStdString());
        click(pushButton(g.screens, ScreenId::plname, "Command1"));

        // A new game takes the screen back to choosing.
        menuItem(g.screens, "newg")->trigger();
        click(countButton(g.screens, 1));
        QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});
        QVERIFY(dButton("Command2")->isEnabled() && dButton("Command3")->isEnabled() &&
                dButton("Command4")->isEnabled());
    }
}

void SetupTest::everyNameAndCourseCanBeDrawn_data()
{
    QTest::addColumn<bool>("course");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("expected");
    const QStringList names{"Osbert the Organist", "Horace the Plumber", "Ambrose the Baker", "Pompadoodle",
                            "Quillan Marchbank", "Digby Tumbleweed", "Rufus 'Hop Skip 'n' Jump' Pelloe",
                            "Barnaby Thistlewood", "Jasper Quickstep", "Wobblethorpe"};
    const QStringList courses{"Wincanton", "Epsom", "Aintree", "Chepstow", "Goodwood", "Fontwell",
                              "Folkstone", "Ascot", "Kempton Park", "Sandown Park", "Lingfield",
                              "Doncaster", "Newmarket", "QX Stadium"};
    for (int d = 1; d <= names.size(); ++d)
        QTest::addRow("name %d", d) << false << d << names[d - 1];
    for (int d = 1; d <= courses.size(); ++d)
        QTest::addRow("course %d", d) << true << d << courses[d - 1];
}

void SetupTest::everyNameAndCourseCanBeDrawn()
{
    QFETCH(bool, course);
    QFETCH(int, d);
    QFETCH(QString, expected);
    GameState state;
    LoggingRandom random;
    random.pushDraw(d, course ? 14 : 10);
    if (course) {
        armCourseDraw(state);
        drawCourse(state, random);
        QCOMPARE(QString::fromStdString(state.course.course), expected);
        QVERIFY(!state.course.timerArmed);
    } else {
        pickLevel(state, "medium");
        drawOpponentName(state, random);
        QCOMPARE(QString::fromStdString(state.computer.name), expected);
        QVERIFY(!state.difficulty.timerArmed && state.difficulty.continueEnabled);
    }
    QCOMPARE(random.log, std::string("rd"));
}

// One draw per showing; "Continue" before the tick keeps the last course.
void SetupTest::racecourseDrawsOncePerShowing()
{
    Game g;
    g.screens.show(ScreenId::selectpl);
    setUp(g, 1, false);
    Screen& betit = g.screens.get(ScreenId::betit);
    QTimer* courseTimer = timer1(g.screens, ScreenId::racecourse);
    auto race = [&] {
        g.screens.hide(ScreenId::ingame);
        g.screens.show(betit);
        click(pushButton(g.screens, ScreenId::betit, "Command1"));
        QCOMPARE(g.visibleNames(), QStringList{"racecourse"});
    };

    const struct {
        bool tick;
        int d;
        const char* shown;
    } showings[] = {{false, 0, "Chepstow"}, {true, 14, "QX Stadium"}, {false, 0, "QX Stadium"}, {true, 2, "Epsom"}};
    for (const auto& showing : showings) {
        race();
        const int draws = g.random.draws;
        if (showing.tick) {
            g.random.pushDraw(showing.d, 14);
            QVERIFY(fireTimer(courseTimer));
            QVERIFY(!fireTimer(courseTimer));
        }
        click(pushButton(g.screens, ScreenId::racecourse, "Command1"));
        QCOMPARE(g.random.draws, draws + (showing.tick ? 1 : 0));
        QCOMPARE(g.visibleNames(), QStringList{"ingame"});
        QCOMPARE(label(g.screens, ScreenId::racecourse, "Label2")->text(), QString(showing.shown));
        QVERIFY(!fireTimer(courseTimer));
    }
}

void SetupTest::splashToBettingScreen()
{
    Game g;
    // The betting screen is made, and its odds drawn, before the name draw.
    const std::array<int, 6> odds{3, 100, 1, 42, 17, 9};
    for (int o : odds)
        g.random.pushDraw(o, 100);
    g.random.pushDraw(10, 10);

    g.screens.start();
    QVERIFY(fireTimer(timer1(g.screens, ScreenId::title)));
    QCOMPARE(g.visibleNames(), QStringList{"selectpl"});
    click(control<QCheckBox>(g.screens, ScreenId::selectpl, "Check1"));
    click(pushButton(g.screens, ScreenId::selectpl, "Command3"));
    QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});
    click(pushButton(g.screens, ScreenId::computerdifficulty, "Command4"));
    QVERIFY(fireTimer(timer1(g.screens, ScreenId::computerdifficulty)));
    click(pushButton(g.screens, ScreenId::computerdifficulty, "Command1"));
    QCOMPARE(g.visibleNames(), QStringList{"plname"});
    const QStringList typed{"Alice", "Bert", "Cleo"};
    for (int k = 1; k <= 3; ++k)
        typeInto(nameBox(g.screens, k), typed[k - 1]);
    click(pushButton(g.screens, ScreenId::plname, "Command1"));

    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(frame1(g.screens, k - 1)->title(), typed[k - 1]);
        QVERIFY(slotCanBet(g.screens, k));
    }
    QCOMPARE(frame1(g.screens, 3)->title(), QString("(NOT PLAYING)"));
    QVERIFY(!stakeBox(g.screens, 4)->isEnabled());
    for (int horse = 1; horse <= 6; ++horse)
        QVERIFY(!option(g.screens, 4, horse)->isEnabled());
    QCOMPARE(label(g.screens, ScreenId::betit, "Label30")->text(), QString("Wobblethorpe's money:"));
    QVERIFY(pushButton(g.screens, ScreenId::betit, "Command1")->isHidden());
    QCOMPARE(g.state.computer.level, std::string("hard"));
    for (int horse = 1; horse <= 6; ++horse)
        QCOMPARE(oddsLabel(g.screens, 4, horse)->text(), QString("%1 - 1").arg(odds[horse - 1]));
}

QTEST_MAIN(SetupTest)
#include "test_setup.moc"
