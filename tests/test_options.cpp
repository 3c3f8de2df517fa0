// The side screens: game speed, currency, history, game over and about,
// each worked through its real controls from the betting screen's menu.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "screens/look.h"
#include "support/test_support.h"

using namespace furlox;
using furlox::test::child;
using furlox::test::click;
using furlox::test::control;
using furlox::test::Game;
using furlox::test::typeInto;

namespace {

const QString kSpeedMessage = QStringLiteral("Please Enter A Number Between 30-1000");

// The betting screen's labels that carry the currency sign.
constexpr std::array<int, 9> kSignLabels{2, 4, 9, 7, 14, 12, 19, 17, 31};

Screen& openBetting(Game& g)
{
    Screen& betit = g.screens.get(ScreenId::betit);
    g.screens.show(ScreenId::betit);
    return betit;
}

// A menu item of the betting screen ("speed", "newg", ...) chosen.
void choose(Game& g, const QString& item) { control<QAction>(g.screens, ScreenId::betit, item)->trigger(); }

// The speed screen's field and its buttons.
QLineEdit* speedField(Game& g) { return control<QLineEdit>(g.screens, ScreenId::gspeed, "Text1"); }
QPushButton* speedButton(Game& g, int n)
{
    return control<QPushButton>(g.screens, ScreenId::gspeed, QStringLiteral("Command%1").arg(n));
}

// The betting screen's option button of slot 1 for horse 1..6.
QRadioButton* slot1Option(Game& g, int horse)
{
    return control<QRadioButton>(g.screens, ScreenId::betit, QStringLiteral("Option%1").arg(horse));
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void speedApply_data();
    void speedApply();
    void speedKeypad();
    void currency_data();
    void currency();
    void sideScreensReturnWithBetsUnchanged_data();
    void sideScreensReturnWithBetsUnchanged();
    void historyFollowsWinCounts();
    void quitGameEnds();
    void captionsFit_data();
    void captionsFit();
};

void OptionsTest::initTestCase() { installGameFonts(); }

void OptionsTest::speedApply_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval");  // 0: refused
    QTest::addRow("lowest") << "30" << 30;
    QTest::addRow("highest") << "1000" << 1000;
    QTest::addRow("leading zeros") << "0050" << 50;
    QTest::addRow("half rounds down to even") << "30.5" << 30;
    QTest::addRow("half rounds up to even") << "999.5" << 1000;
    QTest::addRow("odd half rounds up") << "31.5" << 32;
    QTest::addRow("fraction rounds to nearest") << "44.4" << 44;
    QTest::addRow("just too fast") << "29" << 0;
    QTest::addRow("just too slow") << "1001" << 0;
    QTest::addRow("range tested before rounding, low") << "29.6" << 0;
    QTest::addRow("range tested before rounding, high") << "1000.4" << 0;
    QTest::addRow("key 5 after 100") << "1005" << 0;
    QTest::addRow("blank") << "" << 0;
    QTest::addRow("letters") << "fast" << 0;
    QTest::addRow("negative") << "-50" << 0;
}

void OptionsTest::speedApply()
{
    QFETCH(QString, text);
    QFETCH(int, interval);
    Game g;
    g.state.race.tickInterval = 77;
    openBetting(g);
    choose(g, "speed");
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("gspeed")});
    QCOMPARE(speedField(g)->text(), QStringLiteral("77"));

    typeInto(speedField(g), text);
    click(speedButton(g, 1));
    if (interval) {
        QVERIFY(g.messages.isEmpty());
        QCOMPARE(g.state.race.tickInterval, interval);
        QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("betit")});
    } else {
        QCOMPARE(g.messages, QStringList{kSpeedMessage});
        QCOMPARE(g.state.race.tickInterval, 77);
        QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("gspeed")});
        QCOMPARE(speedField(g)->text(), text);
    }
}

void OptionsTest::speedKeypad()
{
    Game g;
    openBetting(g);
    choose(g, "speed");
    QCOMPARE(speedField(g)->text(), QStringLiteral("100"));

    // Every key appends its own digit: 1..9 in the block, then the tall 0.
    click(speedButton(g, 12));
    QCOMPARE(speedField(g)->text(), QString());
    for (int n = 2; n <= 11; ++n)
        click(speedButton(g, n));
    QCOMPARE(speedField(g)->text(), QStringLiteral("1234567890"));

    click(speedButton(g, 12));
    click(speedButton(g, 4));   // 3
    click(speedButton(g, 11));  // 0
    click(speedButton(g, 1));
    QCOMPARE(g.state.race.tickInterval, 30);
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("betit")});

    // Reopening shows the speed in force, also after a new game.
    choose(g, "speed");
    QCOMPARE(speedField(g)->text(), QStringLiteral("30"));
    click(speedButton(g, 1));
    choose(g, "newg");
    QCOMPARE(g.state.race.tickInterval, 30);
    g.screens.hide(ScreenId::selectpl);
    g.screens.show(ScreenId::betit);
    choose(g, "speed");
    QCOMPARE(speedField(g)->text(), QStringLiteral("30"));
}

void OptionsTest::currency_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("option");  // empty: nothing selected
    QTest::addColumn<QString>("sign");
    QTest::addRow("dollars") << "\u00a3" << "Option2" << "$";
    QTest::addRow("euros") << "\u00a3" << "Option3" << "\u20ac";
    QTest::addRow("pounds again") << "\u20ac" << "Option1" << "\u00a3";
    QTest::addRow("nothing selected keeps the sign") << "$" << "" << "$";
}

void OptionsTest::currency()
{
    QFETCH(QString, before);
    QFETCH(QString, option);
    QFETCH(QString, sign);
    Game g;
    g.state.currency = before.toStdString();
    openBetting(g);
    g.screens.get(ScreenId::computercalculation);  // made earlier in the game, now hidden
    choose(g, "currency");
    Screen& currencyed = g.screens.get(ScreenId::currencyed);
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("currencyed")});
    if (!option.isEmpty()) {
        // The options reach past the window's edge: click on the caption.
        QRadioButton* button = child<QRadioButton>(&currencyed, option);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(tw(300), button->height() / 2));
        QVERIFY(button->isChecked());
    }
    click(control<QPushButton>(g.screens, ScreenId::currencyed, "Command1"));
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("betit")});

    auto carriersShow = [&](const QString& expected) {
        for (int n : kSignLabels)
            if (control<QLabel>(g.screens, ScreenId::betit, QStringLiteral("Label%1").arg(n))->text() != expected)
                return false;
        return control<QLabel>(g.screens, ScreenId::computercalculation, "Label5")->text() == expected;
    };
    QVERIFY(carriersShow(sign));

    // A new game keeps the sign.
    choose(g, "newg");
    QVERIFY(carriersShow(sign));
}

void OptionsTest::sideScreensReturnWithBetsUnchanged_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("screen");
    QTest::addRow("history") << "history" << "horsehistory";
    QTest::addRow("about") << "aboutfurlox" << "aboutgame";
    QTest::addRow("speed") << "speed" << "gspeed";
    QTest::addRow("currency") << "currency" << "currencyed";
}

void OptionsTest::sideScreensReturnWithBetsUnchanged()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, screen);
    Game g;
    Screen& betit = openBetting(g);
    g.state.players[0].money = "42.5";
    betit.refresh();
    QLineEdit* stake = control<QLineEdit>(g.screens, ScreenId::betit, "Text1");
    typeInto(stake, QStringLiteral("12"));
    click(slot1Option(g, 4));

    child<QAction>(&betit, menuItem)->trigger();
    QCOMPARE(g.visibleNames(), QStringList{screen});
    Screen* side = g.visible();
    click(child<QPushButton>(side, QStringLiteral("Command1")));
    QCOMPARE(g.visibleNames(), QStringList{QStringLiteral("betit")});
    QVERIFY(g.messages.isEmpty());
    QCOMPARE(stake->text(), QStringLiteral("12"));
    QVERIFY(slot1Option(g, 4)->isChecked());
    QCOMPARE(control<QLabel>(g.screens, ScreenId::betit, "Label5")->text(), QStringLiteral("42.5"));
    QCOMPARE(g.state.players[0].stake, std::string("12"));
    QCOMPARE(g.state.players[0].horse, 4);
}

void OptionsTest::historyFollowsWinCounts()
{
    Game g;
    openBetting(g);
    g.state.winCounts = {0, 2, 0, 3, 0, 11};
    choose(g, "history");
    auto win = [&g](int h) {
        return control<QLabel>(g.screens, ScreenId::horsehistory, QStringLiteral("win%1").arg(h));
    };
    const QStringList shown{"0", "2", "0", "3", "0", "11"};
    for (int h = 1; h <= 6; ++h)
        QCOMPARE(win(h)->text(), shown[h - 1]);
    click(control<QPushButton>(g.screens, ScreenId::horsehistory, "Command1"));

    choose(g, "newg");
    g.screens.hide(ScreenId::selectpl);
    g.screens.show(ScreenId::betit);
    choose(g, "history");
    for (int h = 1; h <= 6; ++h)
        QCOMPARE(win(h)->text(), QStringLiteral("0"));
}

void OptionsTest::quitGameEnds()
{
    Game g;
    g.screens.show(ScreenId::gameover);
    QVERIFY(!g.exited);
    click(control<QPushButton>(g.screens, ScreenId::gameover, "Command1"));
    QVERIFY(g.exited);
    QVERIFY(g.visibleNames().isEmpty());
}

void OptionsTest::captionsFit_data()
{
    QTest::addColumn<QString>("screen");
    for (const char* name : {"computercalculation", "gspeed", "currencyed", "horsehistory", "gameover", "aboutgame"})
        QTest::addRow("%s", name) << name;
}

void OptionsTest::captionsFit()
{
    // Fixed-size boxes clip a caption drawn in a wider font: every label's
    // wrapped text and every button's caption must fit its box.
    QFETCH(QString, screen);
    Game g;
    Screen* root = nullptr;
    for (const ScreenEntry& entry : screenTable())
        if (screen == QLatin1String(entry.name))
            root = &g.screens.get(entry.id);
    QVERIFY(root);
    if (screen == "computercalculation") {
        // The longest texts it shows.
        g.state.calc.horse = 6;  // "Computer will bet on Horse number: 6"
        g.state.calc.status = "Calculating amount to bet.......";
        g.state.calc.stake = "9999999";
        g.state.currency = "\u20ac";
    }
    g.screens.show(*root);
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->isHidden())
            continue;
        const QRect box = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(box, Qt::TextWordWrap | label->alignment(), label->text());
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(label->objectName() + ": " + label->text()));
    }
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 6;
        QVERIFY2(needed <= button->width(), qPrintable(button->objectName()));
    }
}

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
