// Peak resident memory through a 50-week game played through the real
// screens (two players and a hard computer), against the bare one-window
// program's peak after its first frame.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QCheckBox>
#include <cstdio>

#include "bench_support.h"
#include "betting/betting_screen.h"
#include "computer/calc_screen.h"
#include "core/game_state.h"
#include "core/random.h"
#include "options/gameover_screen.h"
#include "race/race_screen.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "screens/title_screen.h"
#include "setup/course_screen.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"

using namespace furlox;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installGameFonts();
    GameState state;
    SeededRandom random(50);
    Screens screens(state, random);
    screens.setExitHook([] {});

    screens.start();
    QApplication::processEvents();
    screens.title().Timer1Tick();
    screens.selectpl().Check1->setChecked(true);
    screens.selectpl().Command2Click();
    screens.computerdifficulty().Command4Click();
    screens.computerdifficulty().Timer1Tick();
    screens.computerdifficulty().Command1Click();
    screens.plname().Command1Click();
    QApplication::processEvents();

    int weeks = 0;
    for (; weeks < 50; ++weeks) {
        BettingScreen& betit = screens.betit();
        for (int slot = 1; slot <= 2; ++slot) {
            betit.stakeBox(slot)->setText(QStringLiteral("1"));
            state.players[slot - 1].stake = "1";
        }
        betit.Command2Click();
        QApplication::processEvents();
        if (state.calc.timer1) {
            CalcScreen& calc = screens.computercalculation();
            calc.Timer1Tick();
            calc.Timer3Tick();
            calc.Timer2Tick();
            calc.Command1Click();
        }
        CourseScreen& course = screens.racecourse();
        course.Timer1Tick();
        course.Command1Click();
        RaceScreen& race = screens.ingame();
        race.Command1Click();
        while (state.race.timersOn) {
            race.Timer1Tick(); race.Timer2Tick(); race.Timer3Tick();
            race.Timer4Tick(); race.Timer5Tick(); race.Timer6Tick();
            QApplication::processEvents();
        }
        race.Command2Click();
        QApplication::processEvents();
        if (screens.gameover().isVisible())
            break;
    }
    const long game = bench::peakKiB();

    // The bare program's probe prints its peak after its first frame.
    QProcess bare;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    bare.setProcessEnvironment(env);
    bare.start(QStringLiteral(FURLOX_PROBE_BARE), {});
    bare.waitForFinished(30000);
    const QStringList words = QString::fromLatin1(bare.readAllStandardOutput()).split(QLatin1Char(' '));
    const long floor = words.size() == 4 ? words[3].trimmed().toLong() : -1;

    std::printf("peak resident memory (VmHWM), offscreen platform\n");
    std::printf("  furlox, %d weeks through the real screens: %ld KiB\n", weeks, game);
    std::printf("  bare window after its first frame:      %ld KiB\n", floor);
    std::printf("  ratio: %.2fx %s\n", double(game) / floor, double(game) / floor <= 1.3 ? "(meets 1.3x)" : "(ABOVE 1.3x)");
    return 0;
}
