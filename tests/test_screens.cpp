// SPDX-License-Identifier: GPL-3.0-or-later
// The screens through their real controls and as a screen reader reads them,
// a whole game by keys alone, and the game in every language it speaks: the
// desktop's choice, every caption fitting its box in one face and standing
// out (CTest runs that at scale 2 too), and amounts as the language writes them.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTranslator>
#include <climits>
#include <cmath>

#include "race/race_screen.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/message_box.h"
#include "setup/setup_rules.h"
#include "support/test_support.h"

using namespace furlox;
using namespace furlox::test;
using enum furlox::ScreenId;

namespace {

// From the splash to the betting screen: two players, with a hard computer or none.
void setUp(Game& g, bool computer)
{
    g.screens.start();
    g.fire(title, "Timer1");
    if (computer)
        g.click(selectpl, "Check1");
    g.click(selectpl, "Command2");
    if (computer) {
        g.click(computerdifficulty, "Command4");
        g.fire(computerdifficulty, "Timer1");
        g.click(computerdifficulty, "Command1");
    }
    g.click(plname, "Command1");
}

// Where a control draws its caption, in its window's coordinates, and the
// room it has there; an empty caption draws nothing.
struct Caption {
    QString text;
    QRect drawn, room;
};

Caption captionOf(QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    auto inWindow = [w](QRect r) { return r.translated(w->mapTo(w->window(), QPoint())); };
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        // A label wider than its window shows only the part inside it.
        const QRect seen = room & QRect(label->mapFrom(w->window(), QPoint()), w->window()->size());
        // Blanks at the end draw nothing ("Computer will bet:   " ends under the stake).
        const QString text = label->text().remove(QRegularExpression("\\s+$"));
        return {text, inWindow(fm.boundingRect(room, flags, text)), inWindow(seen)};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.textAlignment = frame->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, frame);
        return {frame->title(), inWindow(label), inWindow(frame->rect())};
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button)
        return {};
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const auto element = qobject_cast<QRadioButton*>(w)  ? QStyle::SE_RadioButtonContents
                         : qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                                        : QStyle::SE_PushButtonContents;
    const QRect room = button->style()->subElementRect(element, &opt, button);
    const QString shown = QString(button->text()).replace(QLatin1String("&&"), QLatin1String("&"));
    const QRect drawn = fm.boundingRect(room, Qt::AlignVCenter | (element == QStyle::SE_PushButtonContents ? Qt::AlignHCenter : Qt::AlignLeft), shown);
    return {shown, inWindow(drawn), inWindow(room)};
}

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In a picture of a control, the contrast of its most common colour (what
// lies behind the text) with the colour that stands out most from it.
double textContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int i = 0; i < image.width() * image.height(); ++i)
        ++counts[image.pixel(i % image.width(), i / image.width())];
    const QColor back(std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                       [](auto a, auto b) { return a.second < b.second; })->first);
    double best = 1;
    for (QRgb colour : counts.keys())
        best = std::max(best, contrast(QColor(colour), back));
    return best;
}

// Every caption that is cut, wraps to more lines than its box shows, runs
// into another or takes a letter from a second face; menu titles off the bar;
// and every text and line that does not stand out from what lies behind it
// (3:1 at least, as the design's red on light grey; greyed controls may).
QStringList badCaptions(Screen& screen)
{
    QStringList bad;
    std::vector<std::pair<QWidget*, Caption>> seen;
    const QImage whole = screen.grab().toImage();
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        const Caption c = captionOf(w);
        if (!w->isVisibleTo(&screen))
            continue;
        const QString name = screen.objectName() + "." + (w->objectName().isEmpty() ? c.text : w->objectName());
        auto* frame = qobject_cast<QGroupBox*>(w);
        const QPoint at = w->mapTo(&screen, QPoint()) * whole.devicePixelRatio();
        const bool line = w->objectName().startsWith("Line"), text = !w->property(frame ? "title" : "text").toString().isEmpty();
        if (w->isEnabled() && (line || text) &&
            (line ? contrast(whole.pixel(at), whole.pixel(at.x(), std::max(0, at.y() - 1)))  // against the pixels above it
                  : textContrast(w->grab(frame ? QRect(0, 0, w->width(), w->fontMetrics().height()) : w->rect()).toImage())) < 3)
            bad << name + " does not stand out";
        // The rails of the track are rows of "=" cut to a line on purpose.
        if (c.text.trimmed().isEmpty() || w->property("furloxDecoration").toBool())
            continue;
        if (!c.room.contains(c.drawn))
            bad << QString("%1 \"%2\" needs %3x%4, has %5x%6").arg(name, c.text).arg(c.drawn.width()).arg(c.drawn.height())
                       .arg(c.room.width()).arg(c.room.height());
        const QRawFont face = QRawFont::fromFont(w->font());
        for (QChar ch : c.text)
            if (ch.isLetter() && !face.supportsCharacter(ch))
                bad << QString("%1 \"%2\": %3 is not in %4").arg(name, c.text, ch, face.familyName());
        for (const auto& [other, o] : seen)
            if (c.drawn.intersects(o.drawn) && !w->isAncestorOf(other) && !other->isAncestorOf(w))
                bad << name + " runs into " + other->objectName();
        seen.emplace_back(w, c);
    }
    if (auto* bar = screen.findChild<QMenuBar*>())
        for (QAction* menu : bar->actions())
            if (!bar->rect().contains(bar->actionGeometry(menu)))
                bad << screen.objectName() + " menu " + menu->text();
    return bad;
}

// Each screen in the states worth seeing, checked as it is shown.
QStringList walk(Game& g, const std::function<QStringList(Screen&)>& check)
{
    QStringList bad;
    GameState& s = g.state;
    auto look = [&](ScreenId id) {
        g.screens.refreshAll();
        Screen& screen = g.screens.get(id);
        g.screens.show(screen);
        bad << check(screen);
        g.screens.hide(screen);
    };
    look(selectpl);
    look(computerdifficulty);
    s.difficulty = {false, true, true, false, true};
    s.computer = {true, false, "Rufus 'Hop Skip 'n' Jump' Pelloe", "Pompadoodle's money:", "50", true, "hard"};
    look(computerdifficulty);
    look(plname);
    s.names.confirmed = true;
    look(plname);
    s.computer.name = "Pompadoodle";
    for (int k = 0; k < kSlotCount; ++k)
        s.players[k].name = "Ann";
    look(betit);
    s.computer.moneyLineVisible = false;
    look(betit);
    for (const char* status : {kCalcStatusReset, "Calculating amount to bet.......", "Finished!"}) {
        s.calc = {{"1", "2", "3", "4", "5", "6"}, status, 6, "50", "", true, false, false, false};
        look(computercalculation);
    }
    s.course.course = "Sandown Park";
    look(racecourse);
    look(ingame);
    s.race.status = "Status:- Game Paused";
    s.race.pauseCaption = "UNPAUSE GAME";
    s.race.goVisible = false;
    look(ingame);
    for (int horse = 1; horse <= kHorseCount; ++horse)
        s.race.winner = horse, look(ingame);
    for (ScreenId id : {horsehistory, gspeed, currencyed, aboutgame, gameover})
        look(id);
    return bad;
}


}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() { useLanguage({}); }
    void eachScreenAsMadeAndAsRead();
    void newGameStartsTheSetUpAgain();
    void wholeGameByKeysAlone();
    void anyTextInAnyBox_data();
    void anyTextInAnyBox();
    void everyTextAnswersAScreenReader_data();
    void everyTextAnswersAScreenReader();
    void captionsFitAndStandOut_data();
    void captionsFitAndStandOut();
    void languagesAndTheirNumbers();
};

void ScreensTest::eachScreenAsMadeAndAsRead()
{
    // Each screen's caption and its client size in twips, fixed.
    const std::vector<std::pair<const char*, QSize>> windows{
        {"", {6735, 4500}}, {"Select Amount of Players", {3510, 2835}},
        {"Please Select the Computer Difficulty", {3120, 945}}, {"Player Names", {4230, 2385}},
        {"Place Your Bets", {9750, 6945}}, {"Computer Betting Calculation", {3240, 2265}},
        {"Today's Race.....", {2775, 1320}}, {"Trackside", {8145, 7200}}, {"Game Over", {2115, 1200}},
        {"Furlox History", {4680, 3330}}, {"Change Game Speed", {3630, 3945}}, {"Change the Currency", {1470, 1950}},
        {"About", {4605, 4890}}};
    Game g;
    for (std::size_t i = 0; i < kScreenCount; ++i) {
        Screen& screen = g.screens.get(ScreenId(i));
        const auto& [caption, size] = windows.at(i);
        QWidget* client = screen.findChild<QWidget*>("client", Qt::FindDirectChildrenOnly);
        QCOMPARE(screen.objectName() + ":" + screen.windowTitle(), screenTable()[i].name + QString(":") + caption);
        QCOMPARE((client ? client : &screen)->size(), QSize(tw(size.width()), tw(size.height())));
        QVERIFY(!client || screen.rect().contains(client->geometry()));  // below a menu bar, all of it
        // A title bar and nothing else on it: no system menu, close, minimise or maximise.
        QCOMPARE(screen.windowFlags(), i ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                         : Qt::SplashScreen | Qt::FramelessWindowHint);
        g.screens.show(screen);
        QVERIFY(screen.minimumSize() == screen.maximumSize() && !screen.close() && screen.isVisible());  // close ignored
        // Centred, and where the player left it when shown again; a minimise is undone.
        const QRect centred(screen.screen()->availableGeometry().center() - screen.rect().center(), screen.size());
        QCOMPARE(screen.geometry(), centred);
        screen.move(screen.pos() + QPoint(7, 5));
        g.screens.hide(screen);
        g.screens.show(screen);
        screen.showMinimized();
        QVERIFY(QTest::qWaitFor([&] { return !screen.isMinimized(); }));
        QCOMPARE(screen.geometry(), centred.translated(7, 5));
        g.screens.hide(screen);
    }
    // A window larger than the screen keeps its title bar and menu on it.
    QVERIFY(centredIn({0, 0, 1280, 800}, {650, 481}) == QPoint(315, 159) && centredIn({0, 27, 640, 373}, {650, 481}) == QPoint(0, 27));
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
    // Arming a timer that runs changes nothing: its next tick stays due when it was.
    g.state.calc.timer1 = true;
    g.screens.refreshAll();
    auto* slow = g.at<QTimer>(computercalculation, "Timer1");
    QVERIFY(QTest::qWaitFor([slow] { return slow->remainingTime() < 2400; }));
    g.screens.refreshAll();
    QVERIFY(slow->isActive() && slow->remainingTime() < 2410);
    // Captions, alignments and flags as made, beyond those the other tests read.
    const int mid = Qt::AlignHCenter | Qt::AlignTop, right = Qt::AlignRight | Qt::AlignTop;
    const std::vector<std::tuple<ScreenId, const char*, QString, int>> labels{
        {racecourse, "Label1", "Today's Race will be at:", mid}, {racecourse, "Label2", "Chepstow", mid},
        {betit, "Label30", kComputerNotPlaying, mid}, {betit, "Label33", "The computer has run out of money", mid},
        {horsehistory, "win1", "0", right}, {horsehistory, "win6", "0", right}, {horsehistory, "Label7", "Furlox 6", 0},
        {gspeed, "Label2", "Enter a number where 1 is the fastest upwards", mid},
        {computercalculation, "Label3", "Computer will bet:   ", 0}, {ingame, "Label1(6)", QString(86, '='), 0},
        {aboutgame, "Label1", "Version Number: 3.1 (Includes computer player names!!)", 0}, {gspeed, "Command11", "0", 0},
        {computerdifficulty, "Command2", "Easy", 0}, {computerdifficulty, "Command3", "Medium", 0},
        {computerdifficulty, "Command4", "Hard", 0}, {ingame, "Command1", "//\\\\__==--GO!--==__//\\\\", 0},
        {ingame, "Command2", "__==--GO TO THE NEXT WEEK--==__", 0}};
    for (const auto& [id, name, text, alignment] : labels)
        QVERIFY2(g.text(id, name) == text && (!alignment || int(g.at<QLabel>(id, name)->alignment()) == alignment), name);
    QVERIFY(g.text(gspeed, "Label1").contains("between 30 & 1000"));
    QVERIFY(!g.at(computerdifficulty, "Label2")->isVisibleTo(&g.screens.get(computerdifficulty)));
    QCOMPARE(g.at(aboutgame, "Label4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(g.at(aboutgame, "Label12")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    // Stacked controls share one rectangle; only the top one is shown.
    QCOMPARE(g.at(betit, "Command1")->geometry(), g.at(betit, "Command2")->geometry());
    g.screens.show(betit);
    QVERIFY(showing(g.at(betit, "Command1")) && !showing(g.at(betit, "Command2")) && !showing(g.at(betit, "Label33")));
    // The menus, their items and shortcuts; F10 opens the menu bar.
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
    // A refusal in the real message box, closed as a player would.
    setMessageHook({});
    g.state.players[0].stake = "-1";
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen << box->windowTitle() << box->text() << QString::number(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    g.click(betit, "Command1");
    QCOMPARE(seen, (QStringList{"Furlox V3.1", "Player 1: You can't bet a negative amount - please enter 0 or more", "1"}));
    // What a screen reader reads of the values shown.
    g.screens.hide(betit);
    GameState& s = g.state;
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
    QCOMPARE(described(g.at(betit, "Option23")), QString("Odds 1 to 1"));  // player 4, horse 2
    QCOMPARE(described(g.at(racecourse, "Command1")), QString("Today's Race will be at: QX Stadium"));
    QCOMPARE(spoken(g.at(ingame, "StatusBar1")->findChild<QLabel*>()), QString("Status:- Game Paused"));
    // Orca reads a dialog's texts as it opens and an alert's message; the
    // betting screen is the main window, whose seventy labels it does not.
    for (const auto& [id, role] : {std::pair{horsehistory, QAccessible::Dialog}, {aboutgame, QAccessible::Dialog},
                                   {gameover, QAccessible::AlertMessage}, {betit, QAccessible::Window}})
        QCOMPARE(QAccessible::queryAccessibleInterface(&g.screens.get(id))->role(), role);
    // A window opening gives each control a new object: a screen reader
    // drops what it learnt of them while the window was hidden.
    QWidget* money = g.at(betit, "Label5");
    const auto before = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(money));
    g.screens.show(betit);
    QVERIFY(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(money)) != before);
    for (QWidget* decoration : {g.at(ingame, "Label1(3)"), g.at(horsehistory, "Line6")})  // read as nothing
        QVERIFY(QAccessible::queryAccessibleInterface(decoration)->role() == QAccessible::Separator &&
                spoken(decoration).isEmpty());
    // The race screen's words for the calls the whole game does not hear.
    const auto& race = static_cast<RaceScreen&>(g.screens.get(ingame));
    const std::vector<std::pair<Call, QString>> calls{
        {{CallKind::Halfway, "", {3}, {{1, "Ann", 5, 2}, {2, "", 1, 6}, {0, "Pompadoodle", 6, 3}}},
         "Halfway: Horse 3 leads. Ann second, Player 2 last, Pompadoodle third."},
        {{CallKind::Stretch, "", {3, 5, 1}, {}}, "Final stretch: Horse 3 leads from 5 and 1."},
        {{CallKind::Stretch, "", {3, 5}, {}}, "Final stretch: Horse 3 leads from 5."},
        {{CallKind::Paused, "", {3}, {}}, "Race paused. Horse 3 leads."}};
    for (const auto& [call, text] : calls)
        QCOMPARE(race.callText(call), text);
    // Exit straight after a race, the results untold on the focus: no crash.
    g.state.betting.news = {{1, "Ann", WeekResult::Outcome::Won, "10", "60"}};
    g.screens.refreshAll();
    QVERIFY(active(g, betit) && described(QApplication::focusWidget()).startsWith("Ann won"));
}  // a crash when it is destroyed

void ScreensTest::newGameStartsTheSetUpAgain()
{
    Game g;
    setUp(g, true);
    g.type(betit, "Text1", "12");
    g.menu("changepl");  // renaming mid-week changes the headings only
    g.type(plname, "Text2", "Tom & Jerry");
    g.click(plname, "Command1");
    QCOMPARE(g.at<QGroupBox>(betit, "Frame1(0)")->title() + "|" + g.at<QGroupBox>(betit, "Frame1(1)")->title() + "|" +
                 g.text(betit, "Text1"),
             QString("QX Player One|Tom && Jerry|12"));  // as typed
    g.menu("newg");  // a new game puts the set-up screens back to their first use
    QCOMPARE(g.screens.get(plname).windowTitle() + g.text(plname, "Command1"), QString("Player NamesLets Race!"));
    QVERIFY(g.at<QCheckBox>(selectpl, "Check1")->isChecked());  // kept between games
    QCOMPARE(g.text(plname, "Text2"), QString("Tom & Jerry"));  // names are kept too
    g.click(selectpl, "Command1");  // the short window again: the last name is below its edge
    QVERIFY(showing(g.at(computerdifficulty, "Command2")) && !showing(g.at(computerdifficulty, "Label4")));
    QVERIFY(!showing(g.at(computerdifficulty, "Label3")) && !showing(g.at(computerdifficulty, "Command1")));
    QCOMPARE(g.handovers.join(' '), QString("+title +selectpl -title +computerdifficulty -selectpl -computerdifficulty "
                                            "+plname +betit -plname +plname -betit +betit -plname -betit +selectpl "
                                            "+computerdifficulty -selectpl"));
}

// Two players and a hard computer from the splash to "Game Over" by keys alone,
// each screen's Tab chain checked where it stands, nothing covered ever reached.
void ScreensTest::wholeGameByKeysAlone()
{
    Game g;
    g.random.pushOdds({30, 4, 50, 1, 70, 90});
    g.screens.start();
    QVERIFY(g.fire(title, "Timer1") && !g.fire(title, "Timer1") && active(g, selectpl));  // the splash hands over once
    auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    auto keys = [&g](std::initializer_list<QKeyCombination> keys, ScreenId then = ScreenId::count) {
        for (QKeyCombination key : keys)
            press(key.key(), key.keyboardModifiers());
        return then == ScreenId::count || active(g, then);  // they led to that window
    };
    QCOMPARE(tabChain(), (QStringList{"Command1", "Command2", "Command3", "Command4", "Check1"}));
    QVERIFY(keys({Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, computerdifficulty));
    QCOMPARE(g.text(betit, "Label23"), QString("50 - 1"));  // the count choice (the computer, 2 Players) set the bets up
    QCOMPARE(tabChain(), (QStringList{"Command2", "Command3", "Command4"}));  // Continue is below the edge
    keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter});  // Hard, with the keypad's Enter
    QVERIFY(g.screens.get(computerdifficulty).height() == tw(2115) && g.text(computerdifficulty, "Label2") == "hard");
    for (const char* button : {"Command2", "Command3", "Command4", "Command1"})
        QVERIFY(!g.at(computerdifficulty, button)->isEnabled());  // a level, once picked, stays
    g.random.pushDraw(4, 10);
    QVERIFY(g.fire(computerdifficulty, "Timer1") && !g.fire(computerdifficulty, "Timer1"));
    QCOMPARE(g.text(computerdifficulty, "Label4"), QString("Pompadoodle"));
    QCOMPARE(tabChain(), QStringList{"Command1"});  // Continue, once it can be pressed
    QVERIFY(keys({Qt::Key_Return}, plname));
    type("Ann");  // the default, selected as the screen opened, is replaced
    QCOMPARE(tabChain(), (QStringList{"Text1", "Text2", "Command1"}));
    press(Qt::Key_Tab);
    // A screen reader or voice tool writes a box (setText underneath): that text is used.
    QAccessible::queryAccessibleInterface(g.at(plname, "Text2"))->setText(QAccessible::Value, "");
    g.screens.refreshAll();  // a refresh must not put the old name back
    QVERIFY(keys({Qt::Key_Return}, betit));  // Enter in a name box confirms
    QCOMPARE(tabChain(), (QStringList{"Option1", "Text1", "Option12", "Text2", "Command2"}));  // the covered RACE! is no stop
    QStringList headings;
    for (int slot = 0; slot < 4; ++slot)
        headings << g.at<QGroupBox>(betit, QString("Frame1(%1)").arg(slot))->title();
    QCOMPARE(headings.join('|') + "|" + g.screens.get(plname).windowTitle() + "|" + g.text(plname, "Command1"),
             QString("Ann||(NOT PLAYING)|(NOT PLAYING)|Change Player Names|Change It!"));
    keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});  // horse 4, now the panel's one stop
    QCOMPARE(tabChain(), (QStringList{"Option4", "Text1", "Option12", "Text2", "Command2"}));
    keys({Qt::Key_Tab, Qt::Key_Backspace});
    QVERIFY(!g.at(betit, "Command2")->isEnabled());  // an emptied box switches RACE! off
    type("10");
    keys({Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab});  // horse 2
    type("60");
    keys({Qt::Key_Tab, Qt::Key_Return});
    QCOMPARE(described(g.at(betit, "Command2")), QString("Pompadoodle's money: \u00a350"));
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
    QVERIFY(keys({Qt::Key_Return}, racecourse));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    QVERIFY(keys({Qt::Key_Return}, ingame));  // before the draw: no draw is made for this showing
    QVERIFY(!g.fire(racecourse, "Timer1") && g.text(racecourse, "Label2") == "Chepstow");
    QCOMPARE(tabChain(), QStringList{"Command1"});  // PAUSE and NEXT WEEK lie under GO!
    press(Qt::Key_Return);
    QCOMPARE(tabChain(), QStringList{"Command3"});
    // The race is called on PAUSE, which has the focus; its caption stays.
    QWidget* pause = g.at(ingame, "Command3");
    QStringList calls{described(pause)};
    press(Qt::Key_Space);
    QCOMPARE(g.text(ingame, "Command3"), QString("UNPAUSE GAME"));
    calls << described(pause);
    press(Qt::Key_Return);
    // The winner is read with the focus: NEXT WEEK has it before the focus comes.
    QString heard;
    QObject spy;
    connect(qApp, &QApplication::focusChanged, &spy,
            [&heard](QWidget*, QWidget* now) { heard = now ? described(now) : heard; });
    for (int tick = 1; tick <= 57; ++tick) {
        for (int horse = 1; horse <= 6 && g.state.race.timersOn; ++horse) {
            QVERIFY(g.fire(ingame, QString("Timer%1").arg(horse)));
            if (described(pause) != calls.last())
                calls << described(pause);
        }
        QVERIFY(tick == 57 || g.at(ingame, "Image4")->x() == tw(240 + 120 * tick));  // odds 1: a step every tick
    }
    QCOMPARE(calls.join('|') + "|" + g.text(ingame, "Command3"), QString("They're off at Chepstow!|Race paused.|Racing again.|"
                                                                    "Horse 4 takes the lead.|Horse 4 leads.|PAUSE GAME"));
    QCOMPARE(tabChain(), QStringList{"Command2"});
    const QString results("Ann won \u00a310, now \u00a360. Player 2 lost \u00a35, now \u00a345. Pompadoodle lost \u00a350, "
                          "now \u00a30 and has run out of money.");
    QCOMPARE(heard, "Horse 4 (GREEN) Has Won! " + results);
    g.random.pushOdds({2, 3, 4, 1, 5, 6});
    press(Qt::Key_Return);

    QVERIFY(active(g, betit));
    QCOMPARE(heard, results + " Odds 2 to 1");  // told once, by the first control focused
    QCOMPARE(described(g.at(betit, "Text2")), QString("Money available: \u00a345"));
    QVERIFY(keys({Qt::Key_Down, Qt::CTRL | Qt::Key_H}, horsehistory));  // horse 2, where the focus comes back to
    QCOMPARE(tabChain(), QStringList{"Command1"});
    QCOMPARE(spoken(g.at(horsehistory, "win4")), QString("Furlox 4 wins: 1"));
    QVERIFY(keys({Qt::Key_Escape}, betit));
    QCOMPARE(focused() + " " + heard, QString("Option2 Odds 3 to 1"));
    // The computer is out: only the notice is seen, not its heading, sign or money.
    QVERIFY(showing(g.at(betit, "Label33")) && !showing(g.at(betit, "Label30")));
    QVERIFY(!showing(g.at(betit, "Label31")) && !showing(g.at(betit, "Label32")));
    press(Qt::Key_Tab);
    type("7.5");  // a bet the side screens leave standing
    QVERIFY(keys({Qt::CTRL | Qt::Key_Z}, gspeed));  // the menu's keys work from a stake box, which claims Ctrl+Z, A and C
    QCOMPARE(tabChain(), (QStringList{"Text1", "Command12", "Command2", "Command3", "Command4", "Command5", "Command6",
                                      "Command7", "Command8", "Command9", "Command10", "Command11", "Command1"}));
    QCOMPARE(g.text(gspeed, "Text1"), QString("100"));  // the speed in force, selected: typing replaces it
    type("5");
    press(Qt::Key_Return);  // Enter in the field applies, or refuses
    QCOMPARE(g.messages.last() + g.visible().join(""), QString("Please Enter A Number Between 30-1000gspeed"));
    for (int key : {12, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})  // Clear, then each key types its own digit
        QTest::keyClick(g.at(gspeed, QString("Command%1").arg(key)), Qt::Key_Space);
    QCOMPARE(g.text(gspeed, "Text1"), QString("1234567890"));
    for (int key : {12, 5, 11, 1})  // Clear, 4, 0, Apply
        QTest::keyClick(g.at(gspeed, QString("Command%1").arg(key)), Qt::Key_Space);
    QVERIFY(active(g, betit) && g.state.race.tickInterval == 40);
    for (int horse = 1; horse <= 6; ++horse)  // the new speed reaches every horse timer, idle between races
        QCOMPARE(g.at<QTimer>(ingame, QString("Timer%1").arg(horse))->interval(), 40);
    QVERIFY(keys({Qt::Key_Tab, Qt::CTRL | Qt::Key_A}, aboutgame));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    auto signs = [&g] {  // every currency sign the game shows
        QString all = g.text(computercalculation, "Label5");
        for (const char* label : {"Label2", "Label4", "Label9", "Label7", "Label14", "Label12", "Label19", "Label17", "Label31"})
            all += g.text(betit, label);
        return all;
    };
    QVERIFY(keys({Qt::Key_Escape}, betit) && keys({Qt::Key_Tab, Qt::CTRL | Qt::Key_C}, currencyed));
    QCOMPARE(tabChain(), (QStringList{"Option1", "Command1"}));
    QVERIFY(keys({Qt::Key_Tab, Qt::Key_Return}, betit));  // Apply with no sign chosen: back to the bets,
    QCOMPARE(signs(), QString(10, QChar(0xa3)));         // every sign as it was
    QVERIFY(keys({Qt::Key_Tab, Qt::CTRL | Qt::Key_C}, currencyed));
    QVERIFY(keys({Qt::Key_Down, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return}, betit));  // dollars: with none chosen an arrow only moves
    QCOMPARE(signs() + g.text(betit, "Text1"), QString(10, '$') + "7.5");
    QCOMPARE(focused() + " " + spoken(g.at(betit, "Label6")), QString("Option2 Player 2 money available: $45"));
    keys({Qt::Key_Tab});  // week 2: everybody stakes everything on a loser
    type("60");
    keys({Qt::Key_Tab, Qt::Key_Tab});
    type("45");
    QVERIFY(keys({Qt::Key_Tab, Qt::Key_Return}, racecourse) && keys({Qt::Key_Return}, ingame));  // a broke computer bets no more
    QCOMPARE(tabChain(), QStringList{"Command1"});  // NEXT WEEK under GO!
    QVERIFY(!g.at(ingame, "Command2")->isEnabled() && !showing(g.at(ingame, "Command2")) && !showing(g.at(ingame, "Command3")));
    press(Qt::Key_Space);
    QCOMPARE(tabChain(), QStringList{"Command3"});  // PAUSE over NEXT WEEK
    for (int tick = 0; tick < 57; ++tick)
        QVERIFY(g.fire(ingame, "Timer4"));
    g.screens.show(betit);  // even with the betting screen up, the game over leaves itself alone
    QTest::keyClick(g.at(ingame, "Command2"), Qt::Key_Return);
    QVERIFY(active(g, gameover));
    QCOMPARE(tabChain(), QStringList{"Command1"});
    press(Qt::Key_Return);
    QVERIFY(g.exited && g.visible().isEmpty());
    // Every hand-over in its order (show the next then hide, or hide then show).
    QCOMPARE(g.handovers.join(' '),
             QString("+title +selectpl -title +computerdifficulty -selectpl -computerdifficulty +plname +betit -plname "
                     "+computercalculation -betit -computercalculation +racecourse -racecourse +ingame -ingame +betit "
                     "+horsehistory -betit -horsehistory +betit +gspeed -betit -gspeed +betit +aboutgame -betit -aboutgame "
                     "+betit +currencyed -betit +betit -currencyed +currencyed -betit +betit -currencyed +racecourse -betit "
                     "-racecourse +ingame +betit -ingame -betit +gameover -gameover"));
}

void ScreensTest::anyTextInAnyBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");  // of it as player 1's stake
    const QString nan = "Player 1: That is not a number - please enter the amount to bet";
    QTest::newRow("100,000 digits") << QString(100000, '7') << "Player 1: You don't have enough money - please enter a lower number";
    QTest::newRow("control characters") << QString::fromUtf8("1\x01\x02\t\x1b\x7f") << nan;
    QTest::newRow("right to left, emoji") << QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd 12 \u202e34\U0001F40E") << nan;
    QTest::newRow("a line break and a NUL") << "5\n6" + QString(QChar(0)) + "7" << nan;
}

void ScreensTest::anyTextInAnyBox()
{
    // Pasted into a stake box or the speed: refused with a clear message.
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    Game g;
    setUp(g, false);
    g.at<QLineEdit>(betit, "Text1")->setText(text);
    g.click(betit, "Command1");
    g.menu("speed");
    g.at<QLineEdit>(gspeed, "Text1")->setText(text);
    g.click(gspeed, "Command1");
    QCOMPARE(g.messages, (QStringList{refusal, "Please Enter A Number Between 30-1000"}));
}

void ScreensTest::everyTextAnswersAScreenReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("item");  // what a screen reader gets there
    const int character = QAccessible::CharBoundary, word = QAccessible::WordBoundary, line = QAccessible::LineBoundary,
              sentence = QAccessible::SentenceBoundary;
    QTest::addRow("empty: nothing") << "" << 0 << word << "";
    QTest::addRow("a lone space: itself at the end") << " " << 1 << sentence << " ";
    QTest::addRow("a leading space: its own item") << " 7" << 0 << word << " ";
    QTest::addRow("-5: the number at the end") << "-5" << 2 << word << "5";
    QTest::addRow(".5: the digit") << ".5" << 1 << character << "5";
    QTest::addRow("dots: one item") << "..." << 3 << word << "...";
    QTest::addRow("a name: the word with its space") << "QX Player One" << 4 << word << "Player ";
    QTest::addRow("a name: the last word at the end") << "QX Player One" << 13 << word << "One";
    QTest::addRow("no player: the bracket") << "(NOT PLAYING)" << 0 << word << "(";
    QTest::addRow("an ampersand: with the word before") << "Tom & Jerry" << 4 << word << "Tom & ";
    QTest::addRow("a combining mark: with its letter") << "Zoe\u0308 \U0001F40E" << 3 << character << "e\u0308";
    QTest::addRow("an emoji: both halves") << "Zoe\u0308 \U0001F40E" << 6 << character << "\U0001F40E";
    QTest::addRow("right to left: a word") << "\u05d3\u05d5\u05d3 \u05db\u05d4\u05df" << 5 << word << "\u05db\u05d4\u05df";
    QTest::addRow("two lines: the second") << "Ann\nBob" << 5 << line << "Bob";
    QTest::addRow("1,000 characters: the last sentence") << QString("Go! ").repeated(250) << 1000 << sentence << "Go! ";
}

void ScreensTest::everyTextAnswersAScreenReader()
{
    // Every text a screen reader gets (boxes, panel headings) asked for each item before, at
    // and after every offset, the end (-1) and the cursor (-2): each answer comes, is a piece of
    // the text or -1s, holds its offset and meets its neighbours. Qt's own looped on most rows.
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(QString, item);
    Game g;
    QList<QAccessibleTextInterface*> texts;
    for (const ScreenEntry& entry : screenTable())
        for (QWidget* w : g.screens.get(entry.id).findChildren<QWidget*>())
            if (QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(w)->textInterface()) {
                auto* frame = qobject_cast<QGroupBox*>(w);
                frame ? frame->setTitle(literalCaption(text)) : qobject_cast<QLineEdit*>(w)->setText(text);
                texts << read;
            }
    QCOMPARE(texts.size(), 13);  // the boxes of names, stakes and speed, and the panels
    const int n = int(text.size());
    for (QAccessibleTextInterface* read : texts) {
        int from = 0, to = 0;  // no attributes, in one run over all of it (Orca heard "999" as "99")
        QVERIFY(read->attributes(offset, &from, &to).isEmpty() && from == 0 && to == n);
        QCOMPARE(read->textAtOffset(offset, QAccessible::TextBoundaryType(boundary), &from, &to), item);
        for (int b = QAccessible::CharBoundary; b <= QAccessible::NoBoundary; ++b) {
            auto ask = [&](int at, int side) {  // the item before (-1), at (0) or after (1)
                int start = 0, end = 0;
                const auto type = QAccessible::TextBoundaryType(b);
                const QString got = side < 0   ? read->textBeforeOffset(at, type, &start, &end)
                                    : side > 0 ? read->textAfterOffset(at, type, &start, &end)
                                               : read->textAtOffset(at, type, &start, &end);
                const bool piece = 0 <= start && start < end && end <= n && got == text.mid(start, end - start);
                return piece || (start == -1 && end == -1 && got.isEmpty()) ? std::pair(start, end) : std::pair(-9, -9);
            };
            for (int side : {-1, 0, 1})
                QVERIFY(ask(-3, side).first + ask(n + 1, side).first + ask(INT_MIN, side).first == -3 &&
                        ask(-1, side) == ask(n, side) && ask(-2, side) == ask(read->cursorPosition(), side));
            for (int at = 0; at <= n; ++at) {
                const auto [before, here, after] = std::tuple(ask(at, -1), ask(at, 0), ask(at, 1));
                QVERIFY2(n == 0 || (at == n && b == QAccessible::CharBoundary)
                             ? here.first == -1 && before.second == (n ? n : -1) && after.first == -1
                             : here.first <= at && (at < here.second || at == n) &&
                                   (before.first == -1 ? here.first == 0 : before.second == here.first) &&
                                   (after.first == -1 ? here.second == n : after.first == here.second),
                         qPrintable(QString("boundary %1 at %2").arg(b).arg(at)));
            }
        }
    }
}

void ScreensTest::captionsFitAndStandOut_data()
{
    QTest::addColumn<QString>("language");
    QTest::addRow("en") << QString();
    for (const QString& language : gameLanguages())
        QTest::addRow("%s", qPrintable(language)) << language;
}

void ScreensTest::captionsFitAndStandOut()
{
    QFETCH(QString, language);
    // In a dark scheme like KDE's Breeze Dark: the colours the design fixes still stand out.
    const QPalette light = QApplication::palette();
    const QColor text(239, 240, 241), window(49, 54, 59);
    QApplication::setPalette(QPalette(text, window, window.lighter(), window.darker(), window, text, Qt::white,
                                      QColor(35, 38, 41), window));
    // The English titles first: a window title may be as wide as its
    // window less room for the window manager's buttons, or as the English.
    QStringList englishTitles;
    {
        Game english;
        walk(english, [&](Screen& screen) { return englishTitles << screen.windowTitle(), QStringList(); });
    }
    QCOMPARE(useLanguage({language}), language);
    installGameFonts();
    Game g;
    QStringList bad = walk(g, [&](Screen& screen) {
        const QFontMetrics title(QApplication::font());
        const QString english = englishTitles.takeFirst();
        QStringList found = badCaptions(screen);
        if (title.horizontalAdvance(screen.windowTitle()) >
            std::max(screen.width() - 48, title.horizontalAdvance(english)))
            found << screen.objectName() + " title " + screen.windowTitle();
        return found;
    });
    QApplication::setPalette(light);
    bad.removeDuplicates();
    QVERIFY2(bad.isEmpty(), qPrintable("\n" + bad.join('\n')));
}

void ScreensTest::languagesAndTheirNumbers()
{
    // The first language the game speaks, English where English, C or POSIX
    // comes first, or none; the decimal mark is the region's (de-CH: a point).
    const std::vector<std::tuple<QStringList, QString, QString>> cases{
        {{"de-DE", "de-Latn-DE", "de"}, "de", "0,5"}, {{"C"}, "", "0.5"}, {{"fr", "fr-FR", "de", "de-DE"}, "fr", "0,5"},
        {{"en-GB", "de"}, "", "0.5"}, {{"sv-SE", "pl-PL"}, "pl", "0,5"}, {{"POSIX", "it"}, "", "0.5"},
        {{"de-CH", "de"}, "de", "0.5"}, {{"sv-SE", "ja"}, "", "0.5"}, {{}, "", "0.5"}};
    for (const auto& [desktop, chosen, half] : cases)
        QVERIFY2(useLanguage(desktop) == chosen && shownNumber("0.5") == half, qPrintable(desktop.join(' ')));
    // German, in Qt's own dialogs and the rules' texts too; a decimal comma:
    // "2,5" is a stake of 2.5, amounts show a comma, a point is no number
    // there, and the record keeps the point.
    useLanguage({"de-DE"});
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    Game g;
    setUp(g, false);
    QCOMPARE(g.screens.get(selectpl).windowTitle() + "|" + g.text(plname, "Text1") + "|" +
                 g.at<QGroupBox>(betit, "Frame1(2)")->title(),
             QString("Spieleranzahl|QX Spieler Eins|(SPIELT NICHT)"));
    g.type(betit, "Text1", "2.5");
    g.click(betit, "Command1");
    QCOMPARE(g.messages.value(0), QString("Spieler 1: Das ist keine Zahl – bitte den Einsatz eingeben"));
    g.type(betit, "Text1", "2,5");
    g.screens.refreshAll();
    QCOMPARE(g.text(betit, "Text1") + "|" + QString::fromStdString(g.state.players[0].stake), QString("2,5|2.5"));
    g.click(betit, "Command1");
    QCOMPARE(QString::fromStdString(g.state.record[0].stake), QString("2.5"));
    g.state.players[0].money = "47.5";
    g.state.race.winner = 4;  // the record's status stays "Horse 4 (GREEN) Has Won!"
    g.screens.refreshAll();
    QCOMPARE(g.text(betit, "Label5") + "|" + spoken(g.at(betit, "Label5")) + "|" + described(g.at(ingame, "Command2")),
             QString("47,5|Guthaben von Spieler 1: £47,5|Pferd 4 (GRÜN) hat gewonnen!"));
    // A language with a letter the dialog face lacks gets the condensed sans for every text.
    struct : QTranslator {  // a translation of nothing but the letters it uses
        QString translate(const char*, const char* text, const char*, int) const override
        {
            return QString(text) == "Letters beyond A to Z" ? QString("\u00e4\u05d0") : QString();
        }
    } letters;
    QCoreApplication::installTranslator(&letters);
    installGameFonts();
    QCOMPARE(QApplication::font().family(), QString("DejaVu Sans Condensed"));
}

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
