// SPDX-License-Identifier: GPL-3.0-or-later
// The game in every language it speaks: the language the desktop asks for,
// every caption of every screen fitting its fixed box in one face, and
// amounts written and read as the language writes them. CTest runs this
// at scale 1 and again at scale 2.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "screens/language.h"
#include "screens/look.h"
#include "support/test_support.h"

using namespace furlox;
using namespace furlox::test;
using enum furlox::ScreenId;

namespace {

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

// Every caption on the screen that is cut, wraps to more lines than its
// box shows, runs into another caption, or takes a letter from a second
// face; and menu titles that do not fit the bar.
QStringList badCaptions(Screen& screen)
{
    QStringList bad;
    std::vector<std::pair<QWidget*, Caption>> seen;
    for (QWidget* w : screen.findChildren<QWidget*>()) {
        const Caption c = captionOf(w);
        // The rails of the track are rows of "=" cut to a line on purpose.
        if (c.text.trimmed().isEmpty() || !w->isVisibleTo(&screen) || w->property("furloxDecoration").toBool())
            continue;
        const QString name = screen.objectName() + "." + (w->objectName().isEmpty() ? c.text : w->objectName());
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
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        s.race.winner = horse;
        look(ingame);
    }
    for (ScreenId id : {horsehistory, gspeed, currencyed, aboutgame, gameover})
        look(id);
    return bad;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { useLanguage({}); }
    void cleanupTestCase() { useLanguage({}); }
    void captionsFit_data();
    void captionsFit();
    void languageFollowsTheDesktop();
    void amountsAsTheLanguageWritesThem();
};

void LanguagesTest::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addRow("en") << QString();
    for (const QString& language : gameLanguages())
        QTest::addRow("%s", qPrintable(language)) << language;
}

void LanguagesTest::captionsFit()
{
    QFETCH(QString, language);
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
    bad.removeDuplicates();
    QVERIFY2(bad.isEmpty(), qPrintable("\n" + bad.join('\n')));
}

void LanguagesTest::languageFollowsTheDesktop()
{
    // The first language the game speaks, or English where English, C or
    // POSIX comes first; none it speaks: English.
    const std::vector<std::pair<QStringList, QString>> cases{
        {{"de-DE", "de-Latn-DE", "de"}, "de"}, {{"fr", "fr-FR", "de", "de-DE"}, "fr"}, {{"sv-SE", "pl-PL"}, "pl"},
        {{"C"}, ""}, {{"en-GB", "de"}, ""}, {{"POSIX", "it"}, ""}, {{"sv-SE", "ja"}, ""}, {{}, ""}};
    for (const auto& [desktop, chosen] : cases)
        QCOMPARE(useLanguage(desktop), chosen);
    QVERIFY(gameLanguages().size() >= 5);
    // In German the game speaks German, and so does Qt's own message box.
    useLanguage({"de-DE"});
    Game g;
    g.screens.show(selectpl);
    QCOMPARE(g.screens.get(selectpl).windowTitle(), QString("Spieleranzahl"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QString("OK"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
}

void LanguagesTest::amountsAsTheLanguageWritesThem()
{
    // German writes a decimal comma: "2,5" is a stake of 2.5, amounts show
    // with a comma, and a point is no number there. The record keeps the point.
    useLanguage({"de-DE"});
    Game g;
    g.screens.start();
    g.fire(title, "Timer1");
    g.random.pushOdds({2, 3, 4, 5, 6, 7});
    g.click(selectpl, "Command1");
    g.click(plname, "Command1");
    g.type(betit, "Text1", "2.5");
    g.click(betit, "Command1");
    QCOMPARE(g.messages.value(0), QString("Spieler 1: Das ist keine Zahl – bitte den Einsatz eingeben"));
    g.type(betit, "Text1", "2,5");
    g.screens.refreshAll();
    QCOMPARE(g.text(betit, "Text1") + "|" + QString::fromStdString(g.state.players[0].stake), QString("2,5|2.5"));
    g.click(betit, "Command1");
    QCOMPARE(QString::fromStdString(g.state.record[0].stake), QString("2.5"));
    g.state.players[0].money = "47.5";
    g.screens.refreshAll();
    QCOMPARE(g.text(betit, "Label5"), QString("47,5"));
    QCOMPARE(spoken(g.at(betit, "Label5")), QString("Guthaben von Spieler 1: £47,5"));
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
