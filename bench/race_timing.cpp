// SPDX-License-Identifier: GPL-3.0-or-later
// How close the six horse timers come to their nominal rate on the real
// race screen: ticks per horse over a few seconds at 30 ms and at 100 ms,
// as a percentage of elapsed time / interval. No horse may finish meanwhile,
// so every horse is put back to the start a step before the finish.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>

#include "core/game_state.h"
#include "core/random.h"
#include "drive.h"
#include "race/race_rules.h"
#include "screens/look.h"
#include "screens/screens.h"

using namespace furlox;

namespace {

constexpr int kSeconds = 4;

// Runs the race for a while at the interval, starting from Ready (GO!) or
// from Paused (UNPAUSE), and leaves it paused.
void measure(Screens& screens, GameState& state, int interval, std::array<long, 7>& ticks)
{
    // The speed only changes while the timers are off.
    state.race.tickInterval = interval;
    screens.refreshAll();
    ticks.fill(0);

    QElapsedTimer clock;
    clock.start();
    bench::press(screens, ScreenId::ingame, state.race.paused ? "Command3" : "Command1");  // UNPAUSE or GO!
    QEventLoop loop;
    QTimer::singleShot(kSeconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    bench::press(screens, ScreenId::ingame, "Command3");  // PAUSE: the timers stop
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    const double nominal = elapsed / interval;
    double lowest = 1e9;
    std::printf("interval %d ms, %.0f ms measured, nominal %.1f ticks per horse\n", interval, elapsed, nominal);
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        const double percent = 100.0 * static_cast<double>(ticks[horse]) / nominal;
        lowest = std::min(lowest, percent);
        std::printf("  horse %d: %ld ticks, %.1f%%\n", horse, ticks[horse], percent);
    }
    std::printf("  minimum: %.1f%% %s\n", lowest, lowest >= 99.5 ? "(meets 99.5%)" : "(BELOW 99.5%)");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installGameFonts();

    GameState state;
    SeededRandom random;
    Screens screens(state, random);
    state.odds.fill(100);
    Screen& race = screens.get(ScreenId::ingame);
    screens.show(race);

    std::array<long, 7> ticks{};
    for (int horse = 1; horse <= kHorseCount; ++horse) {
        // Connected after the screen's own slot, so this runs after the step.
        QTimer* timer = race.findChild<QTimer*>(QStringLiteral("Timer%1").arg(horse));
        QObject::connect(timer, &QTimer::timeout, &race, [&, horse] {
            ++ticks[horse];
            int& position = state.race.positions[horse - 1];
            if (position >= kFinishPosition - kStep)
                position = kStartPosition;
        });
    }

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    measure(screens, state, 30, ticks);
    measure(screens, state, 100, ticks);
    return 0;
}
