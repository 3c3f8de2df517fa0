// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the splash is shown before the dialog font and the window icon
// are loaded, and every screen after it still gets both.
#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "screens/startup.h"

using namespace furlox;

namespace {
int g_argc = 1;
char g_name[] = "test_startup";
char* g_argv[] = {g_name, nullptr};
}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void splashFirstThenFontAndIcon();
    void splashThatNeverPaintsStillGetsThemBeforeItsTimer();
};

void StartupTest::splashFirstThenFontAndIcon()
{
    QStringList seen, wrongFonts;
    const int code = runGame(g_argc, g_argv, [&](QWidget& splash) {
        seen << splash.objectName() << QString::number(splash.isVisible()) << QApplication::font().family()
             << QString::number(QApplication::windowIcon().isNull());
        // The rest is loaded right after this returns; then the splash's timer.
        QTimer::singleShot(0, qApp, [&] {
            seen << QApplication::font().family() << QString::number(QApplication::windowIcon().isNull());
            QMetaObject::invokeMethod(splash.findChild<QTimer*>("Timer1"), "timeout");
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible()) {
                    seen << window->objectName();
                    for (QWidget* part : window->findChildren<QWidget*>())
                        if (part->font().family() != QApplication::font().family())
                            wrongFonts << part->objectName();
                }
            QApplication::exit(7);
        });
    });
    QCOMPARE(code, 7);
    QCOMPARE(seen.size(), 7);  // the hook ran once
    QVERIFY(seen[0] == "title" && seen[1] == "1" && seen[3] == "1" && seen[5] == "0" && seen[6] == "selectpl");
    QVERIFY2(seen[2] != seen[4] && (seen[4] == "MS Sans Serif" || seen[4] == "DejaVu Sans Condensed"),
             qPrintable(seen.join('|')));
    QVERIFY2(wrongFonts.isEmpty(), qPrintable(wrongFonts.join(' ')));
}

void StartupTest::splashThatNeverPaintsStillGetsThemBeforeItsTimer()
{
    QApplication app(g_argc, g_argv);
    QWidget window;  // not shown yet, so not painted
    QTimer deadline;
    deadline.start(3600 * 1000);  // never due during the test; its tick is sent by hand
    QStringList order;
    connect(&deadline, &QTimer::timeout, [&order] { order << "timeout"; });
    afterFirstFrame(window, &deadline, [&order] { order << "then"; });
    QTimerEvent tick(deadline.timerId());
    QCoreApplication::sendEvent(&deadline, &tick);
    window.show();  // a frame after all does not run it again
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(order, (QStringList{"then", "timeout"}));
}

QTEST_APPLESS_MAIN(StartupTest)
#include "test_startup.moc"
