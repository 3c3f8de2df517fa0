// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for any Qt Widgets program on this machine: one window with
// one label, nothing else. Built twice: bare_window runs until it is
// closed; startup_probe_bare leaves right after its first frame, as the
// game's probe does, and prints when that was and its peak memory.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include "bench_support.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.resize(449, 300);  // the splash's size
#ifdef FIRST_FRAME_PROBE
    // As the game's probe: the first paint queues the report, which runs
    // once the frame has been put on screen.
    struct FirstFrame : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && !seen) {
                seen = true;
                QTimer::singleShot(0, qApp, [] {
                    bench::printFirstFrame();
                    QApplication::exit(0);
                });
            }
            return false;
        }
    } filter;
    window.installEventFilter(&filter);
#endif
    window.show();
    return QApplication::exec();
}
