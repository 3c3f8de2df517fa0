// Every control a player can reach says what it is to a screen reader:
// buttons, options and labels by their captions, text boxes and pictures
// by names of their own.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "betting/betting_screen.h"
#include "computer/calc_screen.h"
#include "options/about_screen.h"
#include "options/currency_screen.h"
#include "options/gameover_screen.h"
#include "options/history_screen.h"
#include "options/speed_screen.h"
#include "race/race_screen.h"
#include "screens/title_screen.h"
#include "setup/course_screen.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::Game;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void boxesAndPicturesSayWhatTheyAre();
};

void AccessibilityTest::everyControlHasAName()
{
    Game game;
    Screens& s = game.screens;
    const std::vector<Screen*> all{&s.title(), &s.selectpl(), &s.computerdifficulty(), &s.plname(), &s.betit(),
                                   &s.computercalculation(), &s.racecourse(), &s.ingame(), &s.gameover(),
                                   &s.horsehistory(), &s.gspeed(), &s.currencyed(), &s.aboutgame()};
    QStringList nameless;
    int checked = 0;
    for (Screen* screen : all) {
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QGroupBox*>(w) || qobject_cast<QLabel*>(w);
            // Qt's own helpers (qt_*) are not the game's controls.
            if (!control || !w->isVisibleTo(screen) || w->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            QVERIFY(face);
            ++checked;
            if (face->text(QAccessible::Name).trimmed().isEmpty())
                nameless << screen->objectName() + "." + w->objectName();
        }
    }
    QVERIFY(checked > 150);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
}

void AccessibilityTest::boxesAndPicturesSayWhatTheyAre()
{
    Game game;
    Screens& s = game.screens;
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QCOMPARE(name(s.betit().stakeBox(2)), QString("Player 2 amount to bet"));
    QCOMPARE(name(s.ingame().Image[3]), QString("Horse 3 (ORANGE)"));
    QVERIFY(name(s.plname().nameBox(4)).contains("4") || name(s.plname().nameBox(4)).contains("Four"));
    QVERIFY(!name(s.gspeed().Text1).isEmpty());
    QCOMPARE(name(s.selectpl().Command3), QString("3 Players"));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
