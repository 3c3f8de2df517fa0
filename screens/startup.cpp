#include "screens/startup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <chrono>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "screens/title_screen.h"

namespace furlox {

namespace {

// Calls `then` from the event loop once it runs: a window shown before
// exec() may paint inside show() (Qt does so for splash windows), and an
// exit() asked for before exec() would be lost.
void callFromEventLoop(QObject* context, std::function<void()> then)
{
    QMetaObject::invokeMethod(context, [context, then = std::move(then)]() mutable {
        if (QThread::currentThread()->loopLevel() == 0)
            callFromEventLoop(context, std::move(then));
        else
            then();
    }, Qt::QueuedConnection);
}

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
            callFromEventLoop(this, std::move(then_));
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

}  // namespace

void afterFirstFrame(QWidget& window, QTimer* deadline, std::function<void()> then)
{
    new FirstFrameWatch(window, deadline, std::move(then));
}

int runGame(int argc, char** argv, const std::function<void(QWidget& splash)>& onFirstFrame)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Furlox"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("furlox"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/furlox.png")));
    installGameFonts();

    GameState state;
    SeededRandom random(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    Screens screens(state, random);

    TitleScreen& splash = screens.title();
    if (onFirstFrame)
        afterFirstFrame(splash, nullptr, [&splash, &onFirstFrame] { onFirstFrame(splash); });
    screens.start();
    return QApplication::exec();
}

}  // namespace furlox
