// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screens.h"

#include <QApplication>
#include <QTimer>

#include "screens/screen.h"

// Resources compiled into a static library must be registered by hand.
static void registerPictures() { Q_INIT_RESOURCE(assets); }

namespace furlox {

namespace {
// No handler of a screen may run once the game is over: its timers stop.
void silence(Screen& screen)
{
    for (QTimer* timer : screen.findChildren<QTimer*>())
        timer->stop();
    screen.blockSignals(true);
}
}  // namespace

Screens::Screens(GameState& state, Random& random) : state_(state), random_(random) { registerPictures(); }

Screens::~Screens()
{
    // Screens may refer to each other while they go; stop every timer first.
    for (Screen* screen : created_)
        silence(*screen);
}

Screen& Screens::get(ScreenId id)
{
    Q_ASSERT(id != ScreenId::count);
    auto& slot = screens_[static_cast<std::size_t>(id)];
    if (!slot) {
        slot = screenTable()[static_cast<std::size_t>(id)].make(*this);
        created_.push_back(slot.get());
    }
    return *slot;
}

void Screens::start() { show(ScreenId::title); }

void Screens::show(ScreenId id) { show(get(id)); }
void Screens::hide(ScreenId id) { hide(get(id)); }

void Screens::show(Screen& screen)
{
    screen.show();
    // The offscreen platform (tests, screenshots) has no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        screen.raise();
    screen.activateWindow();
}

void Screens::hide(Screen& screen) { screen.hide(); }

void Screens::refreshAll()
{
    for (Screen* screen : created_)
        screen->refresh();
}

void Screens::exitGame()
{
    for (Screen* screen : created_) {
        silence(*screen);
        screen->hide();
    }
    if (exitHook_)
        exitHook_();
    else
        QApplication::exit(0);
}

}  // namespace furlox
