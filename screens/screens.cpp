#include "screens/screens.h"

#include <QApplication>
#include <QTimer>

#include "betting/betting_screen.h"
#include "computer/calc_screen.h"
#include "options/about_screen.h"
#include "options/currency_screen.h"
#include "options/gameover_screen.h"
#include "options/history_screen.h"
#include "options/speed_screen.h"
#include "race/race_screen.h"
#include "screens/title_screen.h"
#include "setup/course_screen.h"
#include "setup/difficulty_screen.h"
#include "setup/names_screen.h"
#include "setup/selectpl_screen.h"

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

template <typename T>
T& Screens::get(std::unique_ptr<T>& slot)
{
    if (!slot) {
        slot = std::make_unique<T>(*this);
        created_.push_back(slot.get());
    }
    return *slot;
}

TitleScreen& Screens::title() { return get(title_); }
SelectPlayersScreen& Screens::selectpl() { return get(selectpl_); }
DifficultyScreen& Screens::computerdifficulty() { return get(computerdifficulty_); }
NamesScreen& Screens::plname() { return get(plname_); }
BettingScreen& Screens::betit() { return get(betit_); }
CalcScreen& Screens::computercalculation() { return get(computercalculation_); }
CourseScreen& Screens::racecourse() { return get(racecourse_); }
RaceScreen& Screens::ingame() { return get(ingame_); }
GameOverScreen& Screens::gameover() { return get(gameover_); }
HistoryScreen& Screens::horsehistory() { return get(horsehistory_); }
SpeedScreen& Screens::gspeed() { return get(gspeed_); }
CurrencyScreen& Screens::currencyed() { return get(currencyed_); }
AboutScreen& Screens::aboutgame() { return get(aboutgame_); }

void Screens::start() { show(title()); }

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

std::vector<Screen*> Screens::created() const { return created_; }

}  // namespace furlox
