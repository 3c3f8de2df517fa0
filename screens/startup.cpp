// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/startup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLocale>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdlib>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/language.h"
#include "screens/look.h"
#include "screens/screen.h"
#include "screens/screens.h"

namespace furlox {

namespace {

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, QTimer* deadline, std::function<void()> then)
        : QObject(&window), deadline_(deadline), then_(std::move(then))
    {
        // The picture may cover the whole window, so watch every part of it.
        window.installEventFilter(this);
        for (QWidget* child : window.findChildren<QWidget*>())
            child->installEventFilter(this);
        if (deadline_)
            deadline_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (done_)
            return false;
        if (event->type() == QEvent::Paint && watched != deadline_) {
            // Queued, so it runs once the frame has been put on screen.
            done_ = true;
            QMetaObject::invokeMethod(this, std::move(then_), Qt::QueuedConnection);
        } else if (event->type() == QEvent::Timer && watched == deadline_) {
            // Never painted: run now, before whatever the timeout sets off.
            done_ = true;
            then_();
        }
        return false;
    }

private:
    QPointer<QTimer> deadline_;
    std::function<void()> then_;
    bool done_ = false;
};

// What the splash does not need, loaded once it is on screen: the window
// icon (decoded and sent to the window system), the translations, and the
// dialog font (its first use makes fontconfig read all of its
// configuration). The screens that show text are built after this, so they
// get the language and the font from the start.
void loadAfterSplash()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/furlox.png")));
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): the
    // splash has no words, and the font depends on the language's letters.
    useLanguage(QLocale::system().uiLanguages());
    installGameFonts();
}

}  // namespace

void afterFirstFrame(QWidget& window, QTimer* deadline, std::function<void()> then)
{
    new FirstFrameWatch(window, deadline, std::move(then));
}

std::string preferredPlatform(const std::function<std::string(const char*)>& env)
{
    const bool wayland = !env("WAYLAND_DISPLAY").empty() || env("XDG_SESSION_TYPE") == "wayland";
    if (!env("QT_QPA_PLATFORM").empty() || !wayland || env("DISPLAY").empty())
        return {};
    return "xcb;wayland";
}

int runGame(int argc, char** argv, const std::function<void(QWidget& splash)>& onFirstFrame)
{
    // Qt reads the platform when the application is made.
    const std::string platform = preferredPlatform([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Furlox"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("furlox"));

    GameState state;
    SeededRandom random(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    Screens screens(state, random);

    // The splash alone first. Should it never get to paint (a window that
    // is never exposed), the rest still comes before its timer builds the
    // next screen.
    Screen& splash = screens.get(ScreenId::title);
    afterFirstFrame(splash, splash.findChild<QTimer*>(QStringLiteral("Timer1")), [&splash, &onFirstFrame] {
        if (onFirstFrame)
            onFirstFrame(splash);
        loadAfterSplash();
    });
    // Shown from the running event loop: shown before it, a splash window
    // paints inside show() (Qt does that for splashes), and an exit() that
    // the hook asks for before exec() would be lost.
    QMetaObject::invokeMethod(&app, [&screens] { screens.start(); }, Qt::QueuedConnection);
    return QApplication::exec();
}

}  // namespace furlox
