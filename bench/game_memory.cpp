// SPDX-License-Identifier: GPL-3.0-or-later
// Peak resident memory through a 50-week game played through the real
// screens (two players and a hard computer), against the bare one-window
// program's peak after its first frame.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QCheckBox>
#include <cstdio>

#include "bench_support.h"
#include "core/game_state.h"
#include "core/random.h"
#include "drive.h"
#include "screens/look.h"
#include "screens/screens.h"

using namespace furlox;
using bench::press;
using bench::tick;

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
    tick(screens, ScreenId::title, "Timer1");
    screens.get(ScreenId::selectpl).findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    press(screens, ScreenId::selectpl, "Command2");
    press(screens, ScreenId::computerdifficulty, "Command4");
    tick(screens, ScreenId::computerdifficulty, "Timer1");
    press(screens, ScreenId::computerdifficulty, "Command1");
    press(screens, ScreenId::plname, "Command1");
    QApplication::processEvents();

    int weeks = 0;
    for (; weeks < 50; ++weeks) {
        Screen& betit = screens.get(ScreenId::betit);
        for (int slot = 1; slot <= 2; ++slot)
            betit.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(slot))->setText(QStringLiteral("1"));
        press(screens, ScreenId::betit, "Command2");
        QApplication::processEvents();
        if (state.calc.timer1) {
            tick(screens, ScreenId::computercalculation, "Timer1");
            tick(screens, ScreenId::computercalculation, "Timer3");
            tick(screens, ScreenId::computercalculation, "Timer2");
            press(screens, ScreenId::computercalculation, "Command1");
        }
        tick(screens, ScreenId::racecourse, "Timer1");
        press(screens, ScreenId::racecourse, "Command1");
        press(screens, ScreenId::ingame, "Command1");
        while (state.race.timersOn) {
            for (const char* timer : {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5", "Timer6"})
                tick(screens, ScreenId::ingame, timer);
            QApplication::processEvents();
        }
        press(screens, ScreenId::ingame, "Command2");
        QApplication::processEvents();
        if (screens.get(ScreenId::gameover).isVisible())
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
