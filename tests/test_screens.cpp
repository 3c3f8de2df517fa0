// SPDX-License-Identifier: GPL-3.0-or-later
// The screens through their real controls: windows, design values, timers,
// hand-overs, the menu, the side screens and what a screen reader reads;
// then whole games from the splash to "Game Over", every draw scripted, one
// of them played with the keyboard alone.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "screens/look.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using namespace furlox::test;
using enum furlox::ScreenId;

namespace {

// Two players with a hard computer (or none) from the splash, or from the
// player-count screen, to the betting screen.
void setUp(Game& g, int count, const QString& level, const QStringList& names = {}, const Odds& odds = {})
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
}

// One week: each slot's bet as "horse:stake" (empty leaves the slot as it
// is), the computer's stake, the course, the winner, the odds drawn for the
// next week, and the money then shown, slot 1 on and the computer's last
// ("-": hidden).
struct Week {
    QStringList bets;
    int computerStake, course, winner;
    Odds next;
    QString money;
};

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
    if (g.visible() == QStringList{"computercalculation"}) {  // a hard computer
        QVERIFY(g.fire(computercalculation, "Timer1") && g.fire(computercalculation, "Timer3"));
        QCOMPARE(g.text(computercalculation, "Label4"), QString("Calculating amount to bet......."));
        g.random.pushDraw(w.computerStake, std::stoi(g.state.computerRecord.after));
        QVERIFY(g.fire(computercalculation, "Timer2"));
        QCOMPARE(g.text(computercalculation, "Label6"), QString::number(w.computerStake));
        g.click(computercalculation, "Command1");
    }
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
    QVERIFY(g.random.pending() == 0 && g.messages.isEmpty());  // every scripted draw used, nothing refused
    QStringList money;
    for (const char* label : {"Label5", "Label6", "Label11", "Label16", "Label32"})
        money << (showing(g.at(betit, label)) ? g.text(betit, label) : "-");
    QCOMPARE(money.join(' '), w.money);
}

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAndTimers();
    void designValues();
    void setUpScreensChangeAsTheyAreUsed();
    void menuShortcutsWorkFromAStakeBox();
    void realMessageBox();
    void keypadCurrencyAndAbout();
    void valuesAreReadWithTheirMeaning();
    void textSetByAnAssistiveToolIsWhatTheGameUses();
    void fourPlayersAHardComputerThatGoesBrokeAndANewGame();
    void wholeGameByKeysAlone();
    void anyTextInAnyBox();
};

void ScreensTest::windowsAndTimers()
{
    // Each screen's caption and client size in twips; all but the splash have
    // a title bar without close, minimise or maximise box, and a fixed size.
    const std::vector<std::pair<const char*, QSize>> windows{
        {"", {6735, 4500}}, {"Select Amount of Players", {3510, 2835}},
        {"Please Select the Computer Difficulty", {3120, 945}}, {"Player Names", {4230, 2385}},
        {"Place Your Bets", {9750, 6945}}, {"Computer Betting Calculation", {3240, 2265}},
        {"Today's Race.....", {2775, 1320}}, {"Trackside", {8145, 7200}}, {"Game Over", {2115, 1200}},
        {"Furlox History", {4680, 3330}}, {"Change Game Speed", {3630, 3945}}, {"Change the Currency", {1470, 1950}},
        {"About", {4605, 4890}}};
    QCOMPARE(windows.size(), kScreenCount);
    Game g;
    for (std::size_t i = 0; i < kScreenCount; ++i) {
        Screen& screen = g.screens.get(ScreenId(i));
        const auto& [caption, size] = windows[i];
        QWidget* client = screen.findChild<QWidget*>("client", Qt::FindDirectChildrenOnly);
        QCOMPARE(screen.objectName() + ":" + screen.windowTitle(), screenTable()[i].name + QString(":") + caption);
        QCOMPARE((client ? client : &screen)->size(), QSize(tw(size.width()), tw(size.height())));
        const Qt::WindowFlags flags = screen.windowFlags();
        QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(screen.minimumSize() == screen.maximumSize() && bool(flags & Qt::FramelessWindowHint) == !i);
        g.screens.show(screen);
        QVERIFY(!screen.close() && screen.isVisible());  // the window manager's close is ignored
    }
    // The timers: interval, precise or not, and only the splash's runs at first.
    const std::vector<std::tuple<ScreenId, const char*, int, bool>> timers{
        {title, "Timer1", 3000, true}, {computerdifficulty, "Timer1", 1, false}, {racecourse, "Timer1", 1, false},
        {computercalculation, "Timer1", 2500, true}, {computercalculation, "Timer2", 2500, true},
        {computercalculation, "Timer3", 1, false}, {ingame, "Timer1", 100, true}, {ingame, "Timer6", 100, true}};
    for (const auto& [id, name, interval, precise] : timers) {
        auto* timer = g.at<QTimer>(id, name);
        QVERIFY2(timer->interval() == interval && (timer->timerType() == Qt::PreciseTimer) == precise, name);
        QCOMPARE(timer->isActive(), id == title);
    }
    g.state.race.tickInterval = 30;  // a new speed reaches every idle horse timer
    g.screens.refreshAll();
    for (int horse = 1; horse <= 6; ++horse)
        QCOMPARE(g.at<QTimer>(ingame, QString("Timer%1").arg(horse))->interval(), 30);
}

void ScreensTest::designValues()
{
    // Captions, alignments and flags as made, beyond those the other tests read.
    const int mid = Qt::AlignHCenter | Qt::AlignTop, right = Qt::AlignRight | Qt::AlignTop;
    const std::vector<std::tuple<ScreenId, const char*, QString, int>> labels{
        {racecourse, "Label1", "Today's Race will be at:", mid}, {racecourse, "Label2", "Chepstow", mid},
        {betit, "Label30", kComputerNotPlaying, mid}, {betit, "Label33", "The computer has run out of money", mid},
        {horsehistory, "win1", "0", right}, {horsehistory, "win6", "0", right}, {horsehistory, "Label7", "Furlox 6", 0},
        {gspeed, "Label2", "Enter a number where 1 is the fastest upwards", mid},
        {computercalculation, "Label3", "Computer will bet:   ", 0}, {ingame, "Label1(6)", QString(86, '='), 0},
        {aboutgame, "Label1", "Version Number: 3.1 (Includes computer player names!!)", 0}};
    Game g;
    for (const auto& [id, name, text, alignment] : labels) {
        auto* label = g.at<QLabel>(id, name);
        QVERIFY2(label->text() == text && (!alignment || int(label->alignment()) == alignment), name);
    }
    QVERIFY(g.text(gspeed, "Label1").contains("between 30 & 1000") && g.text(gspeed, "Command11") == "0");
    QCOMPARE(g.text(computerdifficulty, "Command2") + g.text(computerdifficulty, "Command3") +
                 g.text(computerdifficulty, "Command4"),
             QString("EasyMediumHard"));
    QCOMPARE(g.text(ingame, "Command1") + g.text(ingame, "Command2"),
             QString("//\\\\__==--GO!--==__//\\\\__==--GO TO THE NEXT WEEK--==__"));
    QVERIFY(!g.at(computerdifficulty, "Label2")->isVisibleTo(&g.screens.get(computerdifficulty)));
    QCOMPARE(g.at(aboutgame, "Label4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(g.at(aboutgame, "Label12")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    // Stacked controls share one rectangle; only the top one is shown.
    QCOMPARE(g.at(betit, "Command2")->geometry(), QRect(tw(3600), tw(6360), tw(3015), tw(495)));
    QCOMPARE(g.at(betit, "Command1")->geometry(), g.at(betit, "Command2")->geometry());
    QCOMPARE(g.at(betit, "Label33")->geometry(), g.at(betit, "Label30")->geometry());
    for (const char* button : {"Command1", "Command2", "Command3"})
        QCOMPARE(g.at(ingame, button)->geometry(), QRect(tw(120), tw(6120), tw(7935), tw(735)));
    g.screens.show(betit);
    QVERIFY(showing(g.at(betit, "Command1")) && !showing(g.at(betit, "Command2")) && !showing(g.at(betit, "Label33")));
}

void ScreensTest::setUpScreensChangeAsTheyAreUsed()
{
    Game g;
    g.screens.start();
    QVERIFY(g.fire(title, "Timer1") && !g.fire(title, "Timer1"));  // the splash hands over once
    g.random.pushOdds({30, 4, 50, 3, 70, 90});
    g.click(selectpl, "Check1");
    g.click(selectpl, "Command3");
    QCOMPARE(g.text(betit, "Label23"), QString("50 - 1"));  // the count choice set the betting screen up
    QVERIFY(g.at(betit, "Text3")->isEnabled() && !g.at(betit, "Text4")->isEnabled());
    QVERIFY(!g.at(plname, "Text4")->isEnabled() && !g.at(betit, "Command1")->isVisible());
    Screen& d = g.screens.get(computerdifficulty);
    g.click(computerdifficulty, "Command2");
    QCOMPARE(d.height(), tw(2115));  // grown to show the name
    for (const char* button : {"Command2", "Command3", "Command4", "Command1"})
        QVERIFY(!g.at(computerdifficulty, button)->isEnabled());  // a level, once picked, stays
    QCOMPARE(g.text(computerdifficulty, "Label2"), QString("easy"));
    g.random.pushDraw(7, 10);
    QVERIFY(g.fire(computerdifficulty, "Timer1") && !g.fire(computerdifficulty, "Timer1"));
    QCOMPARE(g.text(computerdifficulty, "Label4"), QString("Rufus 'Hop Skip 'n' Jump' Pelloe"));
    g.click(computerdifficulty, "Command1");
    QCOMPARE(g.text(betit, "Label30"), QString("Rufus 'Hop Skip 'n' Jump' Pelloe's money:"));
    g.type(plname, "Text2", "Tom & Jerry");
    g.type(plname, "Text3", "");
    g.click(plname, "Command1");
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title() + "|" + g.at<QGroupBox>(betit, "Frame1(2)")->title(),
             QString("Tom && Jerry|"));  // shown as typed
    QCOMPARE(g.screens.get(plname).windowTitle() + g.text(plname, "Command1"), QString("Change Player NamesChange It!"));
    g.type(betit, "Text1", "12");
    g.menu("changepl");  // renaming mid-week changes the headings only
    g.type(plname, "Text1", "Ada");
    g.click(plname, "Command1");
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(0)")->title() + g.text(betit, "Text1"), QString("Ada12"));
    g.menu("newg");  // a new game puts the set-up screens back to their first use
    QCOMPARE(g.screens.get(plname).windowTitle() + g.text(plname, "Command1"), QString("Player NamesLets Race!"));
    QCOMPARE(d.height(), tw(945));
    QVERIFY(g.at(computerdifficulty, "Command4")->isEnabled() && !g.at(computerdifficulty, "Command1")->isEnabled());
    QVERIFY(g.at<QCheckBox>(selectpl, "Check1")->isChecked());  // kept between games
    QCOMPARE(g.text(plname, "Text2"), QString("Tom & Jerry"));  // names are kept too
    QCOMPARE(g.handovers.join(' '), QString("+title +selectpl -title +computerdifficulty -selectpl -computerdifficulty "
                                            "+plname +betit -plname +plname -betit +betit -plname -betit +selectpl"));
}

void ScreensTest::menuShortcutsWorkFromAStakeBox()
{
    const std::vector<std::pair<Qt::Key, QString>> keys{
        {Qt::Key_N, "selectpl"}, {Qt::Key_X, ""}, {Qt::Key_H, "horsehistory"}, {Qt::Key_Z, "gspeed"},
        {Qt::Key_C, "currencyed"}, {Qt::Key_P, "plname"}, {Qt::Key_A, "aboutgame"}};
    for (const auto& [key, screen] : keys) {
        Game g;
        g.screens.show(betit);
        QVERIFY(active(g, betit));
        g.type(betit, "Text1", "5");
        press(key, Qt::ControlModifier);
        QVERIFY2(g.visible().join("") == screen && g.exited == screen.isEmpty(), qPrintable(screen));
        QCOMPARE(g.text(betit, "Text1"), QString("5"));
    }
    // The menus, their items and shortcuts; F10 opens the menu bar.
    Game g;
    g.screens.show(betit);
    QVERIFY(active(g, betit));
    QStringList items;
    for (const char* menu : {"game", "Options", "about"}) {
        items << g.at<QMenu>(betit, menu)->title();
        for (QAction* action : g.at<QMenu>(betit, menu)->actions())
            items << action->text() + " " + action->shortcut().toString();
    }
    QCOMPARE(items.join('|'), QString("Game|New Game / Restart Ctrl+N|Exit Ctrl+X|Options|Furlox History Ctrl+H|"
                                      "Game Speed Ctrl+Z|Currency Ctrl+C|Change Player Names Ctrl+P|About|"
                                      "About Furlox Ctrl+A"));
    press(Qt::Key_F10);
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(open && open->objectName() == "game");
    QTest::keyClick(open, Qt::Key_Escape);
    press(Qt::Key_Escape);
    QCOMPARE(focused(), QString("Option1"));
}

void ScreensTest::realMessageBox()
{
    GameState state;
    SeededRandom random(1);
    Screens screens(state, random);
    state.players[0].stake = "51";
    screens.show(betit);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen << box->windowTitle() << box->text() << QString::number(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    click(screens.get(betit).findChild<QPushButton*>("Command1"));
    QCOMPARE(seen, (QStringList{"Furlox V3.1", "Player 1: You don't have enough money - please enter a lower number", "1"}));
    auto* box = screens.get(betit).findChild<QLineEdit*>("Text1");
    QVERIFY(screens.get(betit).focusWidget() == box && box->selectedText() == "51");  // ready to be retyped
}

void ScreensTest::keypadCurrencyAndAbout()
{
    Game g;
    setUp(g, 2, "hard");
    g.type(betit, "Text2", "7.5");
    g.click(betit, "Option9");  // player 2, horse 4
    g.handovers.clear();
    g.menu("speed");
    QVERIFY(active(g, gspeed));
    QCOMPARE(tabChain(), (QStringList{"Text1", "Command12", "Command2", "Command3", "Command4", "Command5", "Command6",
                                      "Command7", "Command8", "Command9", "Command10", "Command11", "Command1"}));
    QCOMPARE(g.text(gspeed, "Text1"), QString("100"));  // the speed in force
    g.click(gspeed, "Command6");                        // "5"
    g.click(gspeed, "Command1");
    QCOMPARE(g.messages, QStringList{"Please Enter A Number Between 30-1000"});
    QCOMPARE(g.text(gspeed, "Text1") + g.visible().join(""), QString("1005gspeed"));
    for (const char* key : {"Command12", "Command4", "Command11", "Command1"})  // Clear, 3, 0, Apply
        g.click(gspeed, key);
    QCOMPARE(g.visible().join("") + QString::number(g.state.race.tickInterval), QString("betit30"));
    g.menu("currency");
    g.click(currencyed, "Command1");  // nothing chosen: nothing changes
    QCOMPARE(g.text(betit, "Label2"), QString("\u00a3"));
    g.menu("currency");
    g.click(currencyed, "Option3");
    g.click(currencyed, "Command1");
    for (const char* label : {"Label2", "Label4", "Label9", "Label7", "Label14", "Label12", "Label19", "Label17", "Label31"})
        QCOMPARE(g.text(betit, label), QString("\u20ac"));
    QCOMPARE(g.text(computercalculation, "Label5"), QString("\u20ac"));
    g.menu("aboutfurlox");
    g.click(aboutgame, "Command1");
    QCOMPARE(g.visible().join("") + g.text(betit, "Text2"), QString("betit7.5"));  // the bets stand
    QVERIFY(g.at<QRadioButton>(betit, "Option9")->isChecked());
    QCOMPARE(g.handovers.join(' '), QString("+gspeed -betit -gspeed +betit +currencyed -betit +betit -currencyed "
                                            "+currencyed -betit +betit -currencyed +aboutgame -betit -aboutgame +betit"));
}

void ScreensTest::valuesAreReadWithTheirMeaning()
{
    Game g;
    GameState& s = g.state;
    g.screens.get(betit);
    s.odds = {57, 1, 100, 12, 3, 99};
    s.players[2].money = "42.5";
    s.computer.moneyShown = "12";
    s.currency = "\u20ac";
    s.winCounts = {0, 3, 0, 0, 1, 0};
    s.course.course = "QX Stadium";
    s.calc.stake = "7";
    s.computer.name = "Pompadoodle";
    s.race.status = "Status:- Game Paused";
    g.screens.refreshAll();
    const std::vector<std::tuple<ScreenId, const char*, QString>> names{
        {betit, "Label21", "Player 1 odds of Horse 1 (RED): 57 - 1"},
        {betit, "Label28(2)", "Player 3 odds of Horse 3 (ORANGE): 100 - 1"},
        {betit, "Label29(5)", "Player 4 odds of Horse 6 (PURPLE): 99 - 1"},
        {betit, "Label11", "Player 3 money available: \u20ac42.5"}, {betit, "Label32", "Computer's money: \u20ac12"},
        {betit, "Text3", "Player 3 amount to bet"}, {horsehistory, "win2", "Furlox 2 wins: 3"},
        {racecourse, "Label2", "Today's Race will be at: QX Stadium"},
        {computerdifficulty, "Label4", "You will be playing: Pompadoodle"},
        {computercalculation, "Label6", "Computer will bet: \u20ac7"},
        {computercalculation, "Label4", "Calculating Horse Number......"},  // self-describing: as shown
        {gspeed, "Text1", "Game speed in milliseconds"}, {plname, "Text2", "Player 2 name"}, {ingame, "Command1", "Go!"},
        {ingame, "Command2", "Go to the next week"}, {ingame, "Image5", "Horse 5 (BLUE)"}};
    for (const auto& [id, name, spokenAs] : names)
        QCOMPARE(spoken(g.at(id, name)), spokenAs);
    QCOMPARE(described(g.at(betit, "Option23")), QString("Odds 1 - 1"));  // player 4, horse 2
    QCOMPARE(spoken(g.at(ingame, "StatusBar1")->findChild<QLabel*>()), QString("Status:- Game Paused"));
    for (QWidget* decoration : {g.at(ingame, "Label1(3)"), g.at(horsehistory, "Line6")})  // read as nothing
        QVERIFY(QAccessible::queryAccessibleInterface(decoration)->role() == QAccessible::Separator &&
                spoken(decoration).isEmpty());
    for (const ScreenEntry& entry : screenTable()) {  // nothing a player can reach is nameless
        Screen& screen = g.screens.get(entry.id);
        for (QWidget* w : screen.findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QGroupBox*>(w)) &&
                w->isVisibleTo(&screen) && !w->objectName().startsWith("qt_"))
                QVERIFY2(!spoken(w).trimmed().isEmpty(), qPrintable(entry.name + w->objectName()));
    }
}

void ScreensTest::textSetByAnAssistiveToolIsWhatTheGameUses()
{
    // A screen reader or voice tool writes a box through the accessibility
    // interface (QLineEdit::setText underneath): that text is the one used.
    Game g;
    auto write = [&](ScreenId id, const QString& box, const QString& text) {
        QAccessible::queryAccessibleInterface(g.at(id, box))->setText(QAccessible::Value, text);
    };
    g.screens.show(selectpl);
    g.click(selectpl, "Command2");
    write(plname, "Text2", "Zoe");
    g.screens.refreshAll();  // a refresh must not put the old name back
    g.click(plname, "Command1");
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title(), QString("Zoe"));
    write(betit, "Text1", "");
    QVERIFY(!g.at(betit, "Command1")->isEnabled());  // an emptied box switches RACE! off
    write(betit, "Text1", "60");
    QVERIFY(g.at(betit, "Command1")->isEnabled());
    g.click(betit, "Command1");
    QCOMPARE(g.messages, QStringList{"Player 1: You don't have enough money - please enter a lower number"});
    write(betit, "Text1", "7.5");
    g.click(betit, "Command1");
    QCOMPARE(g.visible().join("") + QString::fromStdString(g.state.record[0].stake), QString("racecourse7.5"));
}

void ScreensTest::fourPlayersAHardComputerThatGoesBrokeAndANewGame()
{
    Game g;
    // Hard: horse 1 (30) is no favourite, horse 2 (4) is the first below 5.
    setUp(g, 4, "hard", {"A", "B", "C", "D"}, {30, 4, 50, 3, 70, 90});
    QCOMPARE(g.text(betit, "Label30"), QString("Pompadoodle's money:"));
    play(g, {{"5:5", "2:7.5", "1:0", "3:50"}, 50, 14, 5, {2, 3, 4, 5, 6, 7}, "400 42.5 50 0 -"});
    QVERIFY(!g.at(betit, "Text4")->isEnabled() && !g.at(betit, "Option24")->isEnabled());
    QVERIFY(!showing(g.at(betit, "Label31")) && showing(g.at(betit, "Label33")));  // the computer is broke
    play(g, {{"6:0.5", "1:42.5"}, 0, 2, 6, {8, 9, 10, 11, 12, 13}, "403.5 0 50 0 -"});  // straight to the course
    // A new game in mid-week with one player and no computer: the stake typed
    // and the odds shown stand; money and the computer start again, and the
    // broke computer's old bet is never settled again.
    g.type(betit, "Text1", "15");
    g.menu("newg");
    setUp(g, 1, "", {"A"});
    QVERIFY(!g.at(betit, "Text2")->isEnabled() && g.at(betit, "Command1")->isVisible());
    QVERIFY(showing(g.at(betit, "Label30")) && !showing(g.at(betit, "Label33")));
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title() + g.text(betit, "Label30"),
             QString(kNotPlaying) + kComputerNotPlaying);
    QCOMPARE(g.text(betit, "Text1") + "|" + g.text(betit, "Label21"), QString("15|8 - 1"));
    play(g, {{}, 0, 3, 1, {2, 2, 2, 2, 2, 2}, "170 50 50 50 50"});  // 50 + 15 x 8
    QCOMPARE(g.state.winCounts, (Odds{1, 0, 0, 0, 0, 0}));
}

// Two players and a hard computer, from the splash to "Game Over", with keys
// only: every button pressed with Enter or Space, each screen's Tab chain
// checked where it stands, nothing covered ever reached.
void ScreensTest::wholeGameByKeysAlone()
{
    Game g;
    g.random.pushOdds({30, 4, 50, 1, 70, 90});
    g.screens.start();
    QVERIFY(g.fire(title, "Timer1"));
    auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    auto keys = [](std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys)
            press(key);
    };
    QVERIFY(active(g, selectpl));
    QCOMPARE(tabChain(), (QStringList{"Command1", "Command2", "Command3", "Command4", "Check1"}));
    keys({Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return});  // the computer, 2 Players
    QVERIFY(active(g, computerdifficulty));
    QCOMPARE(tabChain(), (QStringList{"Command2", "Command3", "Command4"}));  // Continue is below the edge
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter});  // Hard, with the keypad's Enter
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
    keys({Qt::Key_Down, Qt::Key_Down});  // horse 3
    QCOMPARE(described(g.at(betit, "Option3")), QString("Odds 50 - 1"));
    press(Qt::Key_Tab);
    type("10");
    keys({Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab});  // horse 2
    type("60");
    keys({Qt::Key_Tab, Qt::Key_Return});
    QCOMPARE(g.messages, QStringList{"Player 2: You don't have enough money - please enter a lower number"});
    QCOMPARE(focused(), QString("Text2"));
    type("5");  // the refused stake was selected
    QCOMPARE(g.text(betit, "Text2"), QString("5"));
    keys({Qt::Key_Tab, Qt::Key_Space});

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
    for (int tick = 1; tick <= 57; ++tick) {
        QVERIFY(g.fire(ingame, "Timer4"));  // odds 1: a step every tick, seen as it is made
        QVERIFY(tick == 57 || g.at(ingame, "Image4")->x() == tw(240 + 120 * tick));
    }
    QCOMPARE(tabChain(), QStringList{"Command2"});
    QCOMPARE(spy.heard, QString("Horse 4 (GREEN) Has Won!"));
    g.random.pushOdds({2, 3, 4, 1, 5, 6});
    press(Qt::Key_Return);

    QVERIFY(active(g, betit));
    QCOMPARE(spoken(g.at(betit, "Label5")), QString("Player 1 money available: \u00a340"));
    press(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(active(g, horsehistory));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    QCOMPARE(spoken(g.at(horsehistory, "win4")), QString("Furlox 4 wins: 1"));
    press(Qt::Key_Escape);
    QVERIFY(active(g, betit));
    press(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(active(g, currencyed));
    QCOMPARE(tabChain(), (QStringList{"Option1", "Command1"}));
    keys({Qt::Key_Down, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return});  // dollars: with none chosen an arrow only moves
    QVERIFY(active(g, betit));
    QCOMPARE(spoken(g.at(betit, "Label6")), QString("Player 2 money available: $45"));
    keys({Qt::Key_Tab});  // week 2: everybody stakes everything on a loser
    type("40");
    keys({Qt::Key_Tab, Qt::Key_Tab});
    type("45");
    keys({Qt::Key_Tab, Qt::Key_Return});
    QVERIFY(active(g, racecourse));  // a broke computer bets no more
    press(Qt::Key_Return);
    QVERIFY(active(g, ingame));
    QVERIFY(tabChain() == QStringList{"Command1"} && !g.at(ingame, "Command2")->isEnabled());  // NEXT WEEK under GO!
    press(Qt::Key_Space);
    QCOMPARE(tabChain(), QStringList{"Command3"});  // PAUSE over NEXT WEEK
    for (int tick = 0; tick < 57; ++tick)
        QVERIFY(g.fire(ingame, "Timer4"));
    press(Qt::Key_Return);
    QVERIFY(active(g, gameover));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Return);
    QVERIFY(g.exited && g.visible().isEmpty());
    // Every hand-over in its order: a screen shows the next, then hides
    // itself, or hides itself, then shows the next.
    QCOMPARE(g.handovers.join(' '),
             QString("+title +selectpl -title +computerdifficulty -selectpl -computerdifficulty +plname +betit -plname "
                     "+computercalculation -betit -computercalculation +racecourse -racecourse +ingame -ingame +betit "
                     "+horsehistory -betit -horsehistory +betit +currencyed -betit +betit -currencyed +racecourse -betit "
                     "-racecourse +ingame -ingame +gameover -gameover"));
}

void ScreensTest::anyTextInAnyBox()
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
        play(g, {{"1:10"}, 0, 1, 1, {2, 2, 2, 2, 2, 2}, "70 50 50 50 50"});
    }
}

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
