// The floor for any Qt Widgets program on this machine: one window with
// one label, nothing else. With FURLOX_EXIT_AFTER_FIRST_FRAME set it quits
// after its first frame, as the game does, and prints its peak memory.
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "bench_support.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.resize(449, 300);
    window.show();
    if (qEnvironmentVariableIsSet("FURLOX_EXIT_AFTER_FIRST_FRAME")) {
        struct FirstFrame : QObject {
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    QTimer::singleShot(0, qApp, &QApplication::quit);
                return false;
            }
        } filter;
        window.installEventFilter(&filter);
        const int rc = QApplication::exec();
        if (qEnvironmentVariableIsSet("FURLOX_PRINT_PEAK"))
            std::printf("%ld\n", bench::peakKiB());
        return rc;
    }
    return QApplication::exec();
}
