// SPDX-License-Identifier: GPL-3.0-or-later
// CPU use while the betting screen waits for the players: the process's
// CPU time over a few seconds of its event loop, and the timers running.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "bench_support.h"
#include "core/game_state.h"
#include "core/random.h"
#include "drive.h"
#include "screens/look.h"
#include "screens/screen.h"
#include "screens/screens.h"

using namespace furlox;

namespace {
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installGameFonts();
    GameState state;
    SeededRandom random(1);
    Screens screens(state, random);
    screens.start();
    bench::tick(screens, ScreenId::title, "Timer1");
    bench::press(screens, ScreenId::selectpl, "Command1");
    bench::press(screens, ScreenId::plname, "Command1");
    wait(500);  // let the first frames settle

    int running = 0;
    for (Screen* screen : screens.created())
        for (QTimer* timer : screen->findChildren<QTimer*>())
            running += timer->isActive() ? 1 : 0;

    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    const double before = bench::cpuMs();
    wait(seconds * 1000);
    const double used = bench::cpuMs() - before;
    std::printf("betting screen waiting for %d s (%s platform)\n", seconds, qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  game timers running: %d\n  CPU time used: %.1f ms (%.3f%% of one core)\n", running, used,
                100.0 * used / (seconds * 1000.0));
    return 0;
}
