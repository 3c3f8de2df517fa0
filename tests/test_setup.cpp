// Setting up a game through its real screens: player count, the computer
// opponent and its name, the names, and the racecourse before each race.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "betting/betting_screen.h"
#include "race/race_screen.h"
#include "screens/look.h"
#include "screens/title_screen.h"
#include "setup/course_screen.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::click;
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

QPushButton* countButton(SelectPlayersScreen& s, int count)
{
    return std::array{s.Command1, s.Command2, s.Command3, s.Command4}[count - 1];
}

void setComputerBox(SelectPlayersScreen& s, bool ticked)
{
    if (s.Check1->isChecked() != ticked)
        click(s.Check1);
}

// From the player-count screen to the betting screen, the way players do it.
void setUp(Game& g, int count, bool computer, int nameDraw = 1)
{
    SelectPlayersScreen& select = g.screens.selectpl();
    setComputerBox(select, computer);
    click(countButton(select, count));
    if (computer) {
        DifficultyScreen& difficulty = g.screens.computerdifficulty();
        click(difficulty.Command2);
        g.random.pushDraw(nameDraw, 10);
        QVERIFY(fireTimer(difficulty.Timer1));
        click(difficulty.Command1);
    }
    click(g.screens.plname().Command1);
}

bool slotCanBet(BettingScreen& b, int slot)
{
    bool all = b.stakeBox(slot)->isEnabled();
    for (int horse = 1; horse <= 6; ++horse)
        all = all && b.option(slot, horse)->isEnabled();
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
    g.screens.show(g.screens.selectpl());
    setUp(g, 4, true, 4);
    const QStringList typed{"Ann", "Bob", "Cy", "Di"};
    NamesScreen& names = g.screens.plname();
    BettingScreen& betit = g.screens.betit();
    betit.changeplClick();
    for (int k = 1; k <= 4; ++k)
        typeInto(names.Text[k], typed[k - 1]);
    click(names.Command1);
    typeInto(betit.stakeBox(4), "abc");
    g.state.players[0].canBet = false;
    g.screens.refreshAll();

    betit.newgClick();
    QCOMPARE(g.visibleNames(), QStringList{"selectpl"});
    QCOMPARE(names.windowTitle(), QString("Player Names"));
    QCOMPARE(names.Command1->text(), QString("Lets Race!"));

    SelectPlayersScreen& select = g.screens.selectpl();
    setComputerBox(select, computer);
    click(countButton(select, count));
    QCOMPARE(g.visibleNames(), QStringList{computer ? "computerdifficulty" : "plname"});
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(slotCanBet(betit, k), k <= count);
        QCOMPARE(names.Text[k]->isEnabled(), k <= count);
        QCOMPARE(names.Text[k]->text(), typed[k - 1]);
    }
    QCOMPARE(betit.Command1->isHidden(), computer);
    QCOMPARE(betit.Label[30]->text(),
             computer ? QString("Pompadoodle's money:") : QString("--Computer Not Playing--"));

    if (computer) {
        DifficultyScreen& difficulty = g.screens.computerdifficulty();
        click(difficulty.Command3);
        QVERIFY(fireTimer(difficulty.Timer1));
        click(difficulty.Command1);
    }
    click(names.Command1);
    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(betit.Frame1[k - 1]->title(), k <= count ? typed[k - 1] : QString("(NOT PLAYING)"));

    // Slot 4's leftover stake holds the race up only where it can be corrected.
    click(computer ? betit.Command2 : betit.Command1);
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
    g.screens.show(g.screens.selectpl());
    click(countButton(g.screens.selectpl(), 2));
    NamesScreen& names = g.screens.plname();
    typeInto(names.Text[2], typed);
    QCOMPARE(g.state.players[1].typedName, typed.toStdString());
    click(names.Command1);
    QCOMPARE(g.screens.betit().Frame1[0]->title(), QString("QX Player One"));
    QCOMPARE(g.screens.betit().Frame1[1]->title(), title);
}

void SetupTest::renamingMidGameTouchesOnlyCaptions()
{
    Game g;
    g.screens.show(g.screens.selectpl());
    setUp(g, 2, false);
    BettingScreen& betit = g.screens.betit();
    typeInto(betit.stakeBox(1), "7.5");
    click(betit.option(2, 4));
    g.state.players[1].money = "12";
    g.screens.refreshAll();
    const GameState before = g.state;
    const QString odds = betit.oddsLabel(1, 1)->text();

    betit.changeplClick();
    NamesScreen& names = g.screens.plname();
    QCOMPARE(g.visibleNames(), QStringList{"plname"});
    QCOMPARE(names.windowTitle(), QString("Change Player Names"));
    QCOMPARE(names.Command1->text(), QString("Change It!"));
    typeInto(names.Text[1], "Zed");
    click(names.Command1);

    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    QCOMPARE(betit.Frame1[0]->title(), QString("Zed"));
    QCOMPARE(betit.Frame1[1]->title(), QString("QX Player Two"));
    QCOMPARE(betit.stakeBox(1)->text(), QString("7.5"));
    QVERIFY(betit.option(2, 4)->isChecked());
    QCOMPARE(betit.Label[6]->text(), QString("12"));
    QCOMPARE(betit.oddsLabel(1, 1)->text(), odds);
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
    g.screens.show(g.screens.selectpl());
    setComputerBox(g.screens.selectpl(), true);
    click(countButton(g.screens.selectpl(), 1));
    DifficultyScreen& d = g.screens.computerdifficulty();
    QPushButton* levelButton = std::array{d.Command2, d.Command3, d.Command4}[button - 2];

    for (int visit = 1; visit <= 2; ++visit) {
        // Choosing: short window, no draw running, "Continue" does nothing.
        QCOMPARE(d.height(), tw(945));
        QVERIFY(!fireTimer(d.Timer1));
        click(d.Command1);
        QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});

        const int reseeds = g.random.reseeds;
        click(levelButton);
        QCOMPARE(d.Label2->text(), level);
        QCOMPARE(d.height(), tw(2115));
        QVERIFY(d.Label3->isVisibleTo(&d) && d.Label4->isVisibleTo(&d));
        QVERIFY(!d.Command2->isEnabled() && !d.Command3->isEnabled() && !d.Command4->isEnabled());
        QVERIFY(!d.Command1->isEnabled());

        g.random.pushDraw(7, 10);
        QVERIFY(fireTimer(d.Timer1));
        QCOMPARE(g.random.reseeds, reseeds + 1);
        QVERIFY(!fireTimer(d.Timer1));
        QCOMPARE(d.Label4->text(), QString("Rufus 'Hop Skip 'n' Jump' Pelloe"));
        QVERIFY(d.Command1->isEnabled());

        click(d.Command1);
        QCOMPARE(g.visibleNames(), QStringList{"plname"});
        QCOMPARE(g.screens.betit().Label[30]->text(), QString("Rufus 'Hop Skip 'n' Jump' Pelloe's money:"));
        QCOMPARE(g.state.computer.level, level.toStdString());
        click(g.screens.plname().Command1);

        // A new game takes the screen back to choosing.
        g.screens.betit().newgClick();
        click(countButton(g.screens.selectpl(), 1));
        QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});
        QVERIFY(d.Command2->isEnabled() && d.Command3->isEnabled() && d.Command4->isEnabled());
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
    g.screens.show(g.screens.selectpl());
    setUp(g, 1, false);
    BettingScreen& betit = g.screens.betit();
    CourseScreen& course = g.screens.racecourse();
    auto race = [&] {
        g.screens.hide(g.screens.ingame());
        g.screens.show(betit);
        click(betit.Command1);
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
            QVERIFY(fireTimer(course.Timer1));
            QVERIFY(!fireTimer(course.Timer1));
        }
        click(course.Command1);
        QCOMPARE(g.random.draws, draws + (showing.tick ? 1 : 0));
        QCOMPARE(g.visibleNames(), QStringList{"ingame"});
        QCOMPARE(course.Label2->text(), QString(showing.shown));
        QVERIFY(!fireTimer(course.Timer1));
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
    QVERIFY(fireTimer(g.screens.title().Timer1));
    QCOMPARE(g.visibleNames(), QStringList{"selectpl"});
    SelectPlayersScreen& select = g.screens.selectpl();
    click(select.Check1);
    click(select.Command3);
    QCOMPARE(g.visibleNames(), QStringList{"computerdifficulty"});
    DifficultyScreen& d = g.screens.computerdifficulty();
    click(d.Command4);
    QVERIFY(fireTimer(d.Timer1));
    click(d.Command1);
    QCOMPARE(g.visibleNames(), QStringList{"plname"});
    NamesScreen& names = g.screens.plname();
    const QStringList typed{"Alice", "Bert", "Cleo"};
    for (int k = 1; k <= 3; ++k)
        typeInto(names.Text[k], typed[k - 1]);
    click(names.Command1);

    QCOMPARE(g.visibleNames(), QStringList{"betit"});
    BettingScreen& betit = g.screens.betit();
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(betit.Frame1[k - 1]->title(), typed[k - 1]);
        QVERIFY(slotCanBet(betit, k));
    }
    QCOMPARE(betit.Frame1[3]->title(), QString("(NOT PLAYING)"));
    QVERIFY(!betit.stakeBox(4)->isEnabled());
    for (int horse = 1; horse <= 6; ++horse)
        QVERIFY(!betit.option(4, horse)->isEnabled());
    QCOMPARE(betit.Label[30]->text(), QString("Wobblethorpe's money:"));
    QVERIFY(betit.Command1->isHidden());
    QCOMPARE(g.state.computer.level, std::string("hard"));
    for (int horse = 1; horse <= 6; ++horse)
        QCOMPARE(betit.oddsLabel(4, horse)->text(), QString("%1 - 1").arg(odds[horse - 1]));
}

QTEST_MAIN(SetupTest)
#include "test_setup.moc"
