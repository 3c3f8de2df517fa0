// Start-up: the game shows its splash before it loads the dialog font and
// the window icon, and every screen after the splash still gets both.
#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>

#include "screens/startup.h"
#include "screens/title_screen.h"

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
    void firstFrameRunsItOnce();
    void splashThatNeverPaintsStillGetsItBeforeItsTimer();
};

void StartupTest::splashFirstThenFontAndIcon()
{
    int calls = 0;
    QString splashName, fontAtFirstFrame, fontAfter;
    bool splashVisible = false, iconAtFirstFrame = true, iconAfter = false;
    QStringList nextScreens, wrongFonts;

    const int code = runGame(g_argc, g_argv, [&](QWidget& splash) {
        ++calls;
        splashName = splash.objectName();
        splashVisible = splash.isVisible();
        fontAtFirstFrame = QApplication::font().family();
        iconAtFirstFrame = !QApplication::windowIcon().isNull();
        // The rest is loaded right after this hook returns.
        QTimer::singleShot(0, qApp, [&splash, &fontAfter, &iconAfter, &nextScreens, &wrongFonts] {
            fontAfter = QApplication::font().family();
            iconAfter = !QApplication::windowIcon().isNull();
            static_cast<TitleScreen&>(splash).Timer1Tick();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible())
                    continue;
                nextScreens << window->objectName();
                for (QWidget* part : window->findChildren<QWidget*>())
                    if (part->font().family() != fontAfter)
                        wrongFonts << part->objectName();
            }
            QApplication::exit(7);
        });
    });

    QCOMPARE(code, 7);
    QCOMPARE(calls, 1);
    QCOMPARE(splashName, QStringLiteral("title"));
    QVERIFY(splashVisible);
    // Neither was loaded for the splash.
    QVERIFY(!iconAtFirstFrame);
    QVERIFY(fontAtFirstFrame != fontAfter);
    QVERIFY(iconAfter);
    // The dialog font, or the narrow sans standing in for it.
    QVERIFY2(fontAfter == QLatin1String("MS Sans Serif") || fontAfter == QLatin1String("DejaVu Sans Condensed"),
             qPrintable(fontAfter));
    QCOMPARE(nextScreens, QStringList{QStringLiteral("selectpl")});
    QVERIFY2(wrongFonts.isEmpty(), qPrintable(wrongFonts.join(u' ')));
}

void StartupTest::firstFrameRunsItOnce()
{
    QApplication app(g_argc, g_argv);
    QWidget window;
    window.resize(100, 100);
    QTimer deadline;
    deadline.start(3600 * 1000);  // never due during the test; its tick is sent by hand
    QStringList order;
    connect(&deadline, &QTimer::timeout, [&order] { order << QStringLiteral("timeout"); });
    afterFirstFrame(window, &deadline, [&order] { order << QStringLiteral("then"); });

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();  // a second frame
    QCoreApplication::processEvents();
    QCOMPARE(order, QStringList{QStringLiteral("then")});

    QTimerEvent tick(deadline.timerId());
    QCoreApplication::sendEvent(&deadline, &tick);
    QCOMPARE(order, (QStringList{QStringLiteral("then"), QStringLiteral("timeout")}));
}

void StartupTest::splashThatNeverPaintsStillGetsItBeforeItsTimer()
{
    QApplication app(g_argc, g_argv);
    QWidget window;  // never shown, so never painted
    QTimer deadline;
    deadline.start(3600 * 1000);
    QStringList order;
    connect(&deadline, &QTimer::timeout, [&order] { order << QStringLiteral("timeout"); });
    afterFirstFrame(window, &deadline, [&order] { order << QStringLiteral("then"); });

    QTimerEvent tick(deadline.timerId());
    QCoreApplication::sendEvent(&deadline, &tick);
    QCOMPARE(order, (QStringList{QStringLiteral("then"), QStringLiteral("timeout")}));

    // A frame after all does not run it again.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(order, (QStringList{QStringLiteral("then"), QStringLiteral("timeout")}));
}

QTEST_APPLESS_MAIN(StartupTest)
#include "test_startup.moc"
