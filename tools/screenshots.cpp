// Renders every screen of the game, in the states worth seeing, to PNG
// files: furlox-screenshots [output-dir] [--scale 2]. Runs offscreen, so
// it needs no display. Each picture gets a plain title bar with the
// window's caption so captions can be checked too.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>

#include "betting/betting_rules.h"
#include "computer/computer_rules.h"
#include "core/game_state.h"
#include "core/random.h"
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
#include "race/race_rules.h"
#include "screens/look.h"
#include "screens/screen.h"
#include "screens/screens.h"
#include "setup/setup_rules.h"

using namespace furlox;

namespace {

QString g_dir;
int g_count = 0;

void shoot(Screens& screens, Screen& screen, const QString& name)
{
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
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else
            dir = arg;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installGameFonts();
    QDir().mkpath(dir);
    g_dir = dir;

    GameState state;
    StagedRandom random;
    Screens screens(state, random);
    screens.setExitHook([] {});

    shoot(screens, screens.title(), QStringLiteral("title"));
    shoot(screens, screens.selectpl(), QStringLiteral("selectpl"));

    screens.betit();  // the count choice creates the betting screen
    choosePlayerCount(state, 3, true);
    shoot(screens, screens.computerdifficulty(), QStringLiteral("computerdifficulty-choose"));
    pickLevel(state, "hard");
    shoot(screens, screens.computerdifficulty(), QStringLiteral("computerdifficulty-drawing"));
    drawOpponentName(state, random);
    shoot(screens, screens.computerdifficulty(), QStringLiteral("computerdifficulty-ready"));
    confirmOpponent(state);

    state.players[0].typedName = "Ada";
    state.players[1].typedName = "Tom & Jerry";
    state.players[2].typedName = "Rufus";
    shoot(screens, screens.plname(), QStringLiteral("plname"));
    confirmNames(state);
    shoot(screens, screens.plname(), QStringLiteral("plname-change"));

    state.players[0].stake = "10";
    state.players[1].stake = "7.5";
    state.players[1].horse = 3;
    state.players[2].stake = "50";
    state.players[2].horse = 6;
    shoot(screens, screens.betit(), QStringLiteral("betit"));

    clickRace(state, RaceButton::WithComputer);
    shoot(screens, screens.computercalculation(), QStringLiteral("computercalculation-horse"));
    computerHorseStep(state, random);
    computerHardStep(state, random);
    shoot(screens, screens.computercalculation(), QStringLiteral("computercalculation-stake"));
    random.stage(49.5 / 50);  // all 50 on its favourite
    computerStakeStep(state, random);
    shoot(screens, screens.computercalculation(), QStringLiteral("computercalculation-finished"));
    computerContinue(state);

    drawCourse(state, random);
    shoot(screens, screens.racecourse(), QStringLiteral("racecourse"));
    leaveCourse(state);

    shoot(screens, screens.ingame(), QStringLiteral("ingame-ready"));
    startRace(state);
    state.race.positions = {3360, 5280, 2760, 6120, 4440, 1800};
    shoot(screens, screens.ingame(), QStringLiteral("ingame-racing"));
    togglePause(state);
    shoot(screens, screens.ingame(), QStringLiteral("ingame-paused"));
    togglePause(state);
    runRace(state, random, 4);
    shoot(screens, screens.ingame(), QStringLiteral("ingame-finished"));

    nextWeek(state, random);
    shoot(screens, screens.betit(), QStringLiteral("betit-week2"));

    // A few more weeks with nothing staked, for the history.
    for (int week = 0; week < 6; ++week) {
        clickRace(state, RaceButton::WithComputer);
        leaveCourse(state);
        startRace(state);
        runRace(state, random, 0);
        nextWeek(state, random);
    }
    shoot(screens, screens.horsehistory(), QStringLiteral("horsehistory"));
    screens.gspeed().fillField();
    shoot(screens, screens.gspeed(), QStringLiteral("gspeed"));
    shoot(screens, screens.currencyed(), QStringLiteral("currencyed"));
    shoot(screens, screens.aboutgame(), QStringLiteral("aboutgame"));
    shoot(screens, screens.gameover(), QStringLiteral("gameover"));

    std::printf("%d screenshots in %s\n", g_count, qPrintable(QDir(dir).absolutePath()));
    return 0;
}
