// Each screen through its real controls: windows, design values, timers,
// covered controls, the menu, the side screens, and what a screen reader reads.
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
#include "support/test_support.h"

using namespace furlox;
using namespace furlox::test;
using enum furlox::ScreenId;

namespace {

// Two players, with a hard computer or none, from the player-count screen
// (after the splash, the first time) to the betting screen.
void toBetting(Game& g, bool computer)
{
    if (!g.state.betting.created) {
        g.screens.start();
        g.fire(title, "Timer1");
    }
    if (g.at<QCheckBox>(selectpl, "Check1")->isChecked() != computer)
        g.click(selectpl, "Check1");
    g.click(selectpl, "Command2");
    if (computer) {
        g.click(computerdifficulty, "Command4");
        g.fire(computerdifficulty, "Timer1");
        g.click(computerdifficulty, "Command1");
    }
    g.click(plname, "Command1");
}

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installGameFonts(); }
    void windowsAndTimers();
    void designValues();
    void captionsFit();
    void setUpScreensChangeAsTheyAreUsed();
    void coveredControlsAreNotShown();
    void menuShortcutsWorkFromAStakeBox();
    void realMessageBox();
    void keypadAndCurrency();
    void valuesAreReadWithTheirMeaning();
    void textSetByAnAssistiveToolIsWhatTheGameUses();
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
    // A new speed reaches every idle horse timer.
    g.state.race.tickInterval = 30;
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
    // The stacked controls share one rectangle.
    QCOMPARE(g.at(betit, "Command1")->geometry(), QRect(tw(3600), tw(6360), tw(3015), tw(495)));
    QCOMPARE(g.at(betit, "Command2")->geometry(), g.at(betit, "Command1")->geometry());
    QCOMPARE(g.at(betit, "Label33")->geometry(), g.at(betit, "Label30")->geometry());
    for (const char* button : {"Command1", "Command2", "Command3"})
        QCOMPARE(g.at(ingame, button)->geometry(), QRect(tw(120), tw(6120), tw(7935), tw(735)));
}

void ScreensTest::captionsFit()
{
    // A caption drawn in a wider font is clipped by its fixed box: every
    // label's wrapped text and every button's caption must fit, with the
    // longest texts the game puts there.
    Game g;
    g.state.calc.horse = 6;
    g.state.calc.status = "Calculating amount to bet.......";
    g.state.calc.stake = "9999999";
    g.state.currency = "\u20ac";
    g.state.race.status = "Horse 6 (PURPLE) Has Won!";
    for (const ScreenEntry& entry : screenTable()) {
        Screen& screen = g.screens.get(entry.id);
        g.screens.refreshAll();
        for (QLabel* label : screen.findChildren<QLabel*>()) {
            // The rails, the course and the longest opponents' headings run over by design.
            const QString name = label->objectName();
            if (label->isHidden() || entry.id == racecourse || name.startsWith("Label1(") || name == "Label30")
                continue;
            const QRect box = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(box, Qt::TextWordWrap | label->alignment(), label->text());
            QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(), qPrintable(entry.name + name));
        }
        for (QPushButton* button : screen.findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 6 <= button->width(),
                     qPrintable(entry.name + button->objectName()));
    }
}

void ScreensTest::setUpScreensChangeAsTheyAreUsed()
{
    Game g;
    g.screens.start();
    QVERIFY(g.fire(title, "Timer1") && !g.fire(title, "Timer1"));  // the splash hands over once
    QCOMPARE(g.visible(), QStringList{"selectpl"});
    g.random.pushOdds({30, 4, 50, 3, 70, 90});
    g.click(selectpl, "Check1");
    g.click(selectpl, "Command3");
    QCOMPARE(g.visible(), QStringList{"computerdifficulty"});
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
    QCOMPARE(g.visible(), QStringList{"plname"});
    QCOMPARE(g.text(betit, "Label30"), QString("Rufus 'Hop Skip 'n' Jump' Pelloe's money:"));
    g.type(plname, "Text2", "Tom & Jerry");
    g.type(plname, "Text3", "");
    g.click(plname, "Command1");
    QCOMPARE(g.visible(), QStringList{"betit"});
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(1)")->title() + "|" + g.at<QGroupBox>(betit, "Frame1(2)")->title(),
             QString("Tom && Jerry|"));  // shown as typed
    QCOMPARE(g.screens.get(plname).windowTitle() + g.text(plname, "Command1"), QString("Change Player NamesChange It!"));
    // Renaming mid-week changes the headings only.
    g.type(betit, "Text1", "12");
    g.menu("changepl");
    g.type(plname, "Text1", "Ada");
    g.click(plname, "Command1");
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(0)")->title() + g.text(betit, "Text1"), QString("Ada12"));
    // A new game puts the set-up screens back to their first use.
    g.menu("newg");
    QCOMPARE(g.visible(), QStringList{"selectpl"});
    QCOMPARE(g.screens.get(plname).windowTitle() + g.text(plname, "Command1"), QString("Player NamesLets Race!"));
    QCOMPARE(d.height(), tw(945));
    QVERIFY(g.at(computerdifficulty, "Command4")->isEnabled() && !g.at(computerdifficulty, "Command1")->isEnabled());
    QVERIFY(g.at<QCheckBox>(selectpl, "Check1")->isChecked());  // kept between games
    QCOMPARE(g.text(plname, "Text2"), QString("Tom & Jerry"));  // names are kept too
    QCOMPARE(g.handovers.join(' '), QString("+title +selectpl -title +computerdifficulty -selectpl -computerdifficulty "
                                            "+plname +betit -plname +plname -betit +betit -plname -betit +selectpl"));
}

void ScreensTest::coveredControlsAreNotShown()
{
    Game g;
    toBetting(g, false);
    QVERIFY(showing(g.at(betit, "Command1")) && !showing(g.at(betit, "Command2")));
    QVERIFY(showing(g.at(betit, "Label30")) && !showing(g.at(betit, "Label33")));
    g.menu("newg");
    toBetting(g, true);
    QVERIFY(!showing(g.at(betit, "Command1")) && showing(g.at(betit, "Command2")));
    g.state.computer.level = "easy";
    g.click(betit, "Command2");
    g.fire(computercalculation, "Timer1");
    g.fire(computercalculation, "Timer2");
    g.click(computercalculation, "Command1");
    g.click(racecourse, "Command1");
    // GO! covers PAUSE, and both cover NEXT WEEK: only the top one is shown.
    auto shown = [&] {
        QStringList names;
        for (const char* button : {"Command1", "Command3", "Command2"})
            if (g.at(ingame, button)->isVisibleTo(&g.screens.get(ingame)))
                names << button;
        return names.join(' ');
    };
    QCOMPARE(shown(), QString("Command1"));
    g.click(ingame, "Command1");
    QCOMPARE(shown(), QString("Command3"));
    g.click(ingame, "Command3");
    QCOMPARE(shown() + " " + g.text(ingame, "Command3"), QString("Command3 UNPAUSE GAME"));
    g.click(ingame, "Command3");
    g.state.odds[0] = 1;
    for (int move = 0; move < 57; ++move)
        g.fire(ingame, "Timer1");
    QCOMPARE(shown() + " " + g.status(), QString("Command2 Horse 1 (RED) Has Won!"));
    // The computer bet all it had and lost: its heading, sign and money go
    // together and uncover the notice; a new game brings them back.
    g.state.computerRecord.after = "0";
    g.click(ingame, "Command2");
    QCOMPARE(shown(), QString("Command1"));  // week 2: NEXT WEEK, disabled, under GO!
    QVERIFY(!g.at(ingame, "Command2")->isEnabled());
    for (const char* label : {"Label30", "Label31", "Label32"})
        QVERIFY(!showing(g.at(betit, label)));
    QVERIFY(showing(g.at(betit, "Label33")));
    g.menu("newg");
    for (const char* label : {"Label30", "Label31", "Label32", "Label33"})
        QCOMPARE(g.at(betit, label)->isVisibleTo(&g.screens.get(betit)), label != QString("Label33"));
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
        QCOMPARE(g.visible().join(""), screen);
        QCOMPARE(g.exited, screen.isEmpty());
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

void ScreensTest::keypadAndCurrency()
{
    Game g;
    toBetting(g, true);
    g.type(betit, "Text2", "7.5");
    g.click(betit, "Option9");  // player 2, horse 4
    g.handovers.clear();
    g.menu("speed");
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
    // Rails and lines are decoration, read as nothing.
    for (QWidget* decoration : {g.at(ingame, "Label1(3)"), g.at(horsehistory, "Line6")})
        QVERIFY(QAccessible::queryAccessibleInterface(decoration)->role() == QAccessible::Separator &&
                spoken(decoration).isEmpty());
    // Nothing a player can reach, on any screen, is nameless.
    for (const ScreenEntry& entry : screenTable()) {
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

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
