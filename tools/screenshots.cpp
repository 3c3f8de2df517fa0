// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every screen of the game, in the states worth seeing, to PNG
// files: furlox-screenshots [output-dir] [--scale 2] [--dark] [--lang de].
// Runs offscreen, so it needs no display. Each picture gets a plain title
// bar with the window's caption so captions can be checked too.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>

#include <set>

#include "betting/betting_rules.h"
#include "computer/computer_rules.h"
#include "core/game_state.h"
#include "core/random.h"
#include "race/race_rules.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

using namespace furlox;

namespace {

QString g_dir;
int g_count = 0;
std::set<ScreenId> g_shot;

// One picture of a screen, named "<nn>-<screen>[-<state>].png".
void shoot(Screens& screens, ScreenId id, const QString& state = {})
{
    Screen& screen = screens.get(id);
    const QString name = state.isEmpty() ? screen.objectName() : screen.objectName() + "-" + state;
    g_shot.insert(id);
    screens.refreshAll();
    screens.show(screen);
    QApplication::processEvents();
    const QPixmap client = screen.grab();
    const qreal ratio = client.devicePixelRatio();
    const bool framed = !(screen.windowFlags() & Qt::FramelessWindowHint);
    const int bar = framed ? 22 : 0;
    QPixmap out(QSize(client.width(), client.height() + qRound(bar * ratio)));
    out.setDevicePixelRatio(ratio);
    out.fill(Qt::white);
    QPainter painter(&out);
    if (framed) {
        const QRectF title(0, 0, client.width() / ratio, bar);
        painter.fillRect(title, QColor(0, 0, 128));
        painter.setPen(Qt::white);
        QFont font = QApplication::font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(title.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, screen.windowTitle());
    }
    painter.drawPixmap(QPointF(0, bar), client);
    painter.end();
    // Numbered in the order they are taken, which is the order of play.
    const QString file = QStringLiteral("%1/%2-%3.png").arg(g_dir).arg(g_count + 1, 2, 10, QLatin1Char('0')).arg(name);
    if (!out.save(file))
        qFatal("cannot write %s", qPrintable(file));
    screens.hide(screen);
    ++g_count;
}

// The game's own generator with a few draws set by hand, so the pictures
// tell one consistent story (the computer goes all in and loses).
class StagedRandom : public Random {
public:
    double next() override
    {
        if (staged_ < 0)
            return seeded_.next();
        const double value = staged_;
        staged_ = -1;
        return value;
    }
    void reseedFromClock() override {}
    void stage(double value) { staged_ = value; }
    double unstaged() { return seeded_.next(); }

private:
    SeededRandom seeded_{2026};
    double staged_ = -1;
};

// Ticks the horses in turn until one wins; `favourite` draws high every time.
void runRace(GameState& state, StagedRandom& random, int favourite)
{
    for (int tick = 0; state.race.timersOn; ++tick) {
        const int horse = tick % kHorseCount + 1;
        random.stage(horse == favourite ? 0.999 : random.unstaged());
        horseTick(state, horse, random);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QString dir = QStringLiteral("docs/screenshots");
    bool dark = false;
    QString language;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else if (arg == QLatin1String("--dark"))
            dark = true;
        else if (arg == QLatin1String("--lang") && i + 1 < argc)
            language = QString::fromLocal8Bit(argv[++i]);
        else
            dir = arg;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (dark) {
        // The colours of KDE's Breeze Dark, as a desktop's theme would set them.
        const QColor text(239, 240, 241), window(49, 54, 59);
        QApplication::setPalette(QPalette(text, window, window.lighter(), window.darker(), window, text, Qt::white,
                                          QColor(35, 38, 41), window));
    }
    if (!language.isEmpty() && useLanguage({language}).isEmpty() && !language.startsWith(QLatin1String("en")))
        qFatal("no translation for %s; the game speaks en %s", qPrintable(language), qPrintable(gameLanguages().join(' ')));
    installGameFonts();
    QDir().mkpath(dir);
    g_dir = dir;

    GameState state;
    StagedRandom random;
    Screens screens(state, random);
    screens.setExitHook([] {});

    shoot(screens, ScreenId::title);
    shoot(screens, ScreenId::selectpl);

    screens.get(ScreenId::betit);  // the count choice creates the betting screen
    choosePlayerCount(state, 3, true);
    shoot(screens, ScreenId::computerdifficulty, QStringLiteral("choose"));
    pickLevel(state, "hard");
    shoot(screens, ScreenId::computerdifficulty, QStringLiteral("drawing"));
    drawOpponentName(state, random);
    shoot(screens, ScreenId::computerdifficulty, QStringLiteral("ready"));
    confirmOpponent(state);

    state.players[0].typedName = "Ada";
    state.players[1].typedName = "Tom & Jerry";
    state.players[2].typedName = "Rufus";
    shoot(screens, ScreenId::plname);
    confirmNames(state);
    shoot(screens, ScreenId::plname, QStringLiteral("change"));

    state.players[0].stake = "10";
    state.players[1].stake = "7.5";
    state.players[1].horse = 3;
    state.players[2].stake = "50";
    state.players[2].horse = 6;
    shoot(screens, ScreenId::betit);

    clickRace(state, RaceButton::WithComputer);
    shoot(screens, ScreenId::computercalculation, QStringLiteral("horse"));
    computerHorseStep(state, random);
    computerHardStep(state, random);
    shoot(screens, ScreenId::computercalculation, QStringLiteral("stake"));
    random.stage(49.5 / 50);  // all 50 on its favourite
    computerStakeStep(state, random);
    shoot(screens, ScreenId::computercalculation, QStringLiteral("finished"));
    computerContinue(state);

    drawCourse(state, random);
    shoot(screens, ScreenId::racecourse);
    leaveCourse(state);

    shoot(screens, ScreenId::ingame, QStringLiteral("ready"));
    startRace(state);
    state.race.positions = {3360, 5280, 2760, 6120, 4440, 1800};
    shoot(screens, ScreenId::ingame, QStringLiteral("racing"));
    togglePause(state);
    shoot(screens, ScreenId::ingame, QStringLiteral("paused"));
    togglePause(state);
    runRace(state, random, 4);
    shoot(screens, ScreenId::ingame, QStringLiteral("finished"));

    nextWeek(state, random);
    shoot(screens, ScreenId::betit, QStringLiteral("week2"));

    // A few more weeks with nothing staked, for the history.
    for (int week = 0; week < 6; ++week) {
        clickRace(state, RaceButton::WithComputer);
        leaveCourse(state);
        startRace(state);
        runRace(state, random, 0);
        nextWeek(state, random);
    }
    shoot(screens, ScreenId::horsehistory);
    shoot(screens, ScreenId::gspeed);
    shoot(screens, ScreenId::currencyed);
    shoot(screens, ScreenId::aboutgame);
    shoot(screens, ScreenId::gameover);

    // Every other screen of the table, as it stands, so none is left out.
    for (const ScreenEntry& entry : screenTable())
        if (!g_shot.count(entry.id))
            shoot(screens, entry.id);

    std::printf("%d screenshots in %s\n", g_count, qPrintable(QDir(dir).absolutePath()));
    return 0;
}
