// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up exactly as main() runs it (runGame), leaving right
// after the splash's first frame; prints when that was and its peak memory.
#include <QApplication>

#include "bench_support.h"
#include "screens/startup.h"

int main(int argc, char* argv[])
{
    return furlox::runGame(argc, argv, [](QWidget&) {
        bench::printFirstFrame();
        // exit(), not quit(): quit() asks every window to close, and the game's refuse.
        QApplication::exit(0);
    });
}
