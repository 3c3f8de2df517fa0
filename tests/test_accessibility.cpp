// Playing without sight and without a mouse: what a screen reader reads on
// every screen, what the keyboard reaches, and a whole game by keys alone.
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "support/test_support.h"

using namespace furlox;
using namespace furlox::test;

namespace {

using Odds = std::array<int, 6>;

void pushOdds(Game& g, const Odds& odds)
{
    for (int k : odds)
        g.random.pushDraw(k, 100);
}

// The control of the active screen with that object name.
template <typename T = QWidget>
T* on(const QString& name)
{
    QWidget* window = QApplication::activeWindow();
    return window ? window->findChild<T*>(name) : nullptr;
}

Screen* screenNamed(Game& g, const QString& name)
{
    for (const ScreenEntry& entry : screenTable())
        if (name == QLatin1String(entry.name))
            return &g.screens.get(entry.id);
    return nullptr;
}

// Waits until the named screen is the active window.
bool activeIs(Game& g, const QString& name)
{
    Screen* s = screenNamed(g, name);
    return s && QTest::qWaitForWindowActive(s) && g.visibleNames() == QStringList{name};
}

void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

// What a widget's description was at the moment it got the focus: that is
// when a screen reader reads it.
class FocusSpy : public QObject {
public:
    QString heard;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            heard = described(static_cast<QWidget*>(watched));
        return false;
    }
};

QTimer* timer(Game& g, const QString& screen, const QString& name)
{
    return screenNamed(g, screen)->findChild<QTimer*>(name);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void wholeGameByKeysAlone();
    void textSetByAnAssistiveToolIsWhatTheGameUses();
    void valuesAreReadWithTheirMeaning();
    void tabOrderOfTheSideScreens();
    void everyControlOnEveryScreenHasAName();
};

// Two players and a hard computer, from the splash to "Game Over", pressing
// keys only: every button is pressed with Enter (or Space), every screen's
// Tab chain is checked where it stands, and nothing covered takes focus.
void AccessibilityTest::wholeGameByKeysAlone()
{
    Game g;
    pushOdds(g, {30, 4, 50, 1, 70, 90});
    g.screens.start();
    QVERIFY(fireTimer(timer(g, "title", "Timer1")));

    QVERIFY(activeIs(g, "selectpl"));
    QCOMPARE(tabChain(), (QStringList{"Command1", "Command2", "Command3", "Command4", "Check1"}));
    press(Qt::Key_Backtab);
    press(Qt::Key_Space);  // tick "Include a computer player?"
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QString("Command2"));
    press(Qt::Key_Return);

    QVERIFY(activeIs(g, "computerdifficulty"));
    QCOMPARE(tabChain(), (QStringList{"Command2", "Command3", "Command4"}));
    QVERIFY(!showing(on("Command1")) && !showing(on("Label4")));  // below the short window's edge
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Enter);  // Hard, with the keypad's Enter
    QCOMPARE(g.state.computer.level, std::string("hard"));
    g.random.pushDraw(4, 10);
    QVERIFY(fireTimer(timer(g, "computerdifficulty", "Timer1")));
    QCOMPARE(focused(), QString("Command1"));  // Continue, once it can be pressed
    QCOMPARE(spoken(on("Label4")), QString("You will be playing: Pompadoodle"));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Return);

    QVERIFY(activeIs(g, "plname"));
    QCOMPARE(tabChain(), (QStringList{"Text1", "Text2", "Command1"}));
    type("Ann");  // the box's text is selected: the name replaces it
    press(Qt::Key_Tab);
    type("Bob");
    press(Qt::Key_Return);  // in a name box: confirms like the button

    QVERIFY(activeIs(g, "betit"));
    QCOMPARE(on<QGroupBox>("Frame1(0)")->title(), QString("Ann"));
    QCOMPARE(on<QGroupBox>("Frame1(1)")->title(), QString("Bob"));
    // One stop per panel, on its chosen horse; the covered RACE! is not one.
    QCOMPARE(tabChain(), (QStringList{"Option1", "Text1", "Option12", "Text2", "Command2"}));
    QVERIFY(!showing(on("Command1")) && !showing(on("Label33")));
    press(Qt::Key_Down);
    press(Qt::Key_Down);  // horse 3
    QCOMPARE(described(on("Option3")), QString("Odds 50 - 1"));
    press(Qt::Key_Tab);
    type("10");
    press(Qt::Key_Tab);
    press(Qt::Key_Down);  // horse 2
    press(Qt::Key_Tab);
    type("60");
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QString("Command2"));
    press(Qt::Key_Return);
    QCOMPARE(g.messages, QStringList{"Player 2: You don't have enough money - please enter a lower number"});
    QCOMPARE(focused(), QString("Text2"));
    type("5");  // the refused stake is selected: "5", not "605"
    QCOMPARE(on<QLineEdit>("Text2")->text(), QString("5"));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);

    QVERIFY(activeIs(g, "computercalculation"));
    QCOMPARE(focused(), QString("Label4"));  // the status line, while nothing can be pressed
    QVERIFY(fireTimer(timer(g, "computercalculation", "Timer1")));
    QVERIFY(fireTimer(timer(g, "computercalculation", "Timer3")));
    g.random.pushDraw(50, 50);  // all in
    QVERIFY(fireTimer(timer(g, "computercalculation", "Timer2")));
    QCOMPARE(focused(), QString("Command1"));
    QCOMPARE(described(on("Command1")), QString("Computer will bet on Horse number: 2, stake \u00a350"));
    QCOMPARE(spoken(on("Label6")), QString("Computer will bet: \u00a350"));
    press(Qt::Key_Return);

    QVERIFY(activeIs(g, "racecourse"));
    g.random.pushDraw(2, 14);
    QVERIFY(fireTimer(timer(g, "racecourse", "Timer1")));
    QCOMPARE(spoken(on("Label2")), QString("Today's Race will be at: Epsom"));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Return);

    QVERIFY(activeIs(g, "ingame"));
    // Week 1: PAUSE and NEXT WEEK lie under GO! and are neither seen nor reached.
    QCOMPARE(tabChain(), QStringList{"Command1"});
    QCOMPARE(spoken(on("Command1")), QString("Go!"));
    QVERIFY(!showing(on("Command3")) && !showing(on("Command2")));
    press(Qt::Key_Return);
    QCOMPARE(focused(), QString("Command3"));
    press(Qt::Key_Space);
    QCOMPARE(on<QPushButton>("Command3")->text(), QString("UNPAUSE GAME"));
    press(Qt::Key_Return);
    FocusSpy spy;
    on("Command2")->installEventFilter(&spy);
    for (int tick = 0; tick < 57; ++tick)
        QVERIFY(fireTimer(timer(g, "ingame", "Timer4")));  // odds 1: a step every tick
    QCOMPARE(focused(), QString("Command2"));
    QCOMPARE(spy.heard, QString("Horse 4 (GREEN) Has Won!"));
    QCOMPARE(spoken(on("Command2")), QString("Go to the next week"));
    QCOMPARE(described(on("Command2")), QString("Horse 4 (GREEN) Has Won!"));
    QCOMPARE(tabChain(), QStringList{"Command2"});
    pushOdds(g, {2, 3, 4, 1, 5, 6});
    press(Qt::Key_Return);

    QVERIFY(activeIs(g, "betit"));
    QCOMPARE(spoken(on("Label5")), QString("Player 1 money available: \u00a340"));
    QCOMPARE(spoken(on("Label6")), QString("Player 2 money available: \u00a345"));
    // The computer lost everything: its line gives way to the notice.
    QVERIFY(!showing(on("Label30")) && !showing(on("Label32")) && showing(on("Label33")));
    QCOMPARE(spoken(on("Label33")), QString("The computer has run out of money"));

    press(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(activeIs(g, "horsehistory"));
    QCOMPARE(spoken(on("win4")), QString("Furlox 4 wins: 1"));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Escape);
    QVERIFY(activeIs(g, "betit"));

    press(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(activeIs(g, "currencyed"));
    QCOMPARE(tabChain(), (QStringList{"Option1", "Command1"}));
    press(Qt::Key_Down);
    press(Qt::Key_Space);  // dollars: none was chosen, so the arrow only moved
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    QVERIFY(activeIs(g, "betit"));
    QCOMPARE(spoken(on("Label5")), QString("Player 1 money available: $40"));

    press(Qt::Key_F10);  // the menu bar, as on KDE and GNOME
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QString("game"));
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(focused(), QString("menuBar"));
    press(Qt::Key_Escape);  // leaves the menu bar, back where the player was

    // Week 2: everybody stakes everything on a loser.
    QCOMPARE(focused(), QString("Option1"));
    press(Qt::Key_Tab);
    type("40");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    type("45");
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    QVERIFY(activeIs(g, "racecourse"));  // a broke computer bets no more
    press(Qt::Key_Return);
    QVERIFY(activeIs(g, "ingame"));
    press(Qt::Key_Return);
    for (int tick = 0; tick < 57; ++tick)
        QVERIFY(fireTimer(timer(g, "ingame", "Timer4")));
    press(Qt::Key_Return);

    QVERIFY(activeIs(g, "gameover"));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    QCOMPARE(spoken(on("Label1")), QString("Game Over"));
    QVERIFY(!g.exited);
    press(Qt::Key_Return);
    QVERIFY(g.exited);
}

// A screen reader or voice tool writes a box through the accessibility
// interface (QLineEdit::setText underneath): that text is the one used.
void AccessibilityTest::textSetByAnAssistiveToolIsWhatTheGameUses()
{
    Game g;
    g.screens.show(ScreenId::selectpl);
    click(control<QPushButton>(g.screens, ScreenId::selectpl, "Command2"));
    QWidget* names = screenNamed(g, "plname");
    QAccessible::queryAccessibleInterface(names->findChild<QLineEdit*>("Text2"))->setText(QAccessible::Value, "Zoe");
    g.screens.refreshAll();  // a refresh must not put the old name back
    QCOMPARE(names->findChild<QLineEdit*>("Text2")->text(), QString("Zoe"));
    click(names->findChild<QPushButton*>("Command1"));
    QWidget* betit = screenNamed(g, "betit");
    QCOMPARE(betit->findChild<QGroupBox*>("Frame1(1)")->title(), QString("Zoe"));

    auto write = [&](const QString& box, const QString& text) {
        QAccessible::queryAccessibleInterface(betit->findChild<QLineEdit*>(box))->setText(QAccessible::Value, text);
    };
    auto* race = betit->findChild<QPushButton*>("Command1");
    write("Text1", "");
    QVERIFY(!race->isEnabled());  // an emptied box switches RACE! off
    write("Text1", "60");
    QVERIFY(race->isEnabled());
    click(race);
    QCOMPARE(g.messages, QStringList{"Player 1: You don't have enough money - please enter a lower number"});
    write("Text1", "7.5");
    click(race);
    QCOMPARE(g.visibleNames(), QStringList{"racecourse"});
    QCOMPARE(g.state.record[0].stake, std::string("7.5"));
}

// Every value a sighted player reads is read with what it is.
void AccessibilityTest::valuesAreReadWithTheirMeaning()
{
    Game g;
    GameState& s = g.state;
    Screens& screens = g.screens;
    screens.get(ScreenId::betit);
    s.odds = {57, 1, 100, 12, 3, 99};
    s.players[2].money = "42.5";
    s.computer.moneyShown = "12";
    s.currency = "\u20ac";
    s.winCounts = {0, 3, 0, 0, 1, 0};
    s.course.course = "QX Stadium";
    s.calc.stake = "7";
    s.race.status = "Status:- Game Paused";
    screens.refreshAll();

    auto read = [&](ScreenId id, const QString& name) { return spoken(control(screens, id, name)); };
    QCOMPARE(read(ScreenId::betit, "Label21"), QString("Player 1 odds of Horse 1 (RED): 57 - 1"));
    QCOMPARE(read(ScreenId::betit, "Label28(2)"), QString("Player 3 odds of Horse 3 (ORANGE): 100 - 1"));
    QCOMPARE(read(ScreenId::betit, "Label29(5)"), QString("Player 4 odds of Horse 6 (PURPLE): 99 - 1"));
    QCOMPARE(described(control(screens, ScreenId::betit, "Option23")), QString("Odds 1 - 1"));  // player 4, horse 2
    QCOMPARE(read(ScreenId::betit, "Label11"), QString("Player 3 money available: \u20ac42.5"));
    QCOMPARE(read(ScreenId::betit, "Label32"), QString("Computer's money: \u20ac12"));
    QCOMPARE(read(ScreenId::betit, "Text3"), QString("Player 3 amount to bet"));
    QCOMPARE(read(ScreenId::horsehistory, "win2"), QString("Furlox 2 wins: 3"));
    QCOMPARE(read(ScreenId::racecourse, "Label2"), QString("Today's Race will be at: QX Stadium"));
    QCOMPARE(read(ScreenId::computercalculation, "Label6"), QString("Computer will bet: \u20ac7"));
    // Self-describing texts are read as shown, and follow every change.
    QCOMPARE(spoken(control(screens, ScreenId::ingame, "StatusBar1")->findChild<QLabel*>()),
             QString("Status:- Game Paused"));
    QCOMPARE(read(ScreenId::computercalculation, "Label4"), QString("Calculating Horse Number......"));
    // Pictures say what they show; the rails are decoration, read as nothing.
    QCOMPARE(read(ScreenId::ingame, "Image5"), QString("Horse 5 (BLUE)"));
    QWidget* rail = control(screens, ScreenId::ingame, "Label1(3)");
    QCOMPARE(QAccessible::queryAccessibleInterface(rail)->role(), QAccessible::Separator);
    QCOMPARE(spoken(rail), QString());
}

void AccessibilityTest::tabOrderOfTheSideScreens()
{
    Game g;
    Screen& speed = g.screens.get(ScreenId::gspeed);
    g.screens.show(speed);
    QVERIFY(QTest::qWaitForWindowActive(&speed));
    QCOMPARE(tabChain(), (QStringList{"Text1", "Command12", "Command2", "Command3", "Command4", "Command5", "Command6",
                                      "Command7", "Command8", "Command9", "Command10", "Command11", "Command1"}));
    // The field opens with the speed in force, selected; Enter applies.
    QCOMPARE(on<QLineEdit>("Text1")->selectedText(), QString("100"));
    type("70");
    press(Qt::Key_Return);
    QCOMPARE(g.state.race.tickInterval, 70);

    Screen& about = g.screens.get(ScreenId::aboutgame);
    g.screens.show(about);
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

// Nothing a player can reach is nameless, on any screen.
void AccessibilityTest::everyControlOnEveryScreenHasAName()
{
    Game g;
    Screens& s = g.screens;
    for (const ScreenEntry& entry : screenTable())
        s.get(entry.id);
    QStringList nameless;
    for (Screen* screen : s.created()) {
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QGroupBox*>(w) || (qobject_cast<QLabel*>(w) && !w->property("furloxDecoration").toBool());
            // Qt's own helpers (qt_*) are not the game's controls; the
            // odds and history labels may be blank until they get a value.
            if (!control || !w->isVisibleTo(screen) || w->objectName().startsWith("qt_"))
                continue;
            if (spoken(w).trimmed().isEmpty() && !(qobject_cast<QLabel*>(w) && qobject_cast<QLabel*>(w)->text().isEmpty()))
                nameless << screen->objectName() + "." + w->objectName();
        }
    }
    QCOMPARE(s.created().size(), kScreenCount);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
