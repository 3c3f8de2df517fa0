#pragma once
// The screen catalogue: makes each window at its first use, keeps it for
// the life of the process, and carries out the hand-overs between them.
#include <functional>
#include <memory>

#include "core/game_state.h"
#include "core/random.h"

class QWidget;

namespace furlox {

class Screen;
class TitleScreen;
class SelectPlayersScreen;
class DifficultyScreen;
class NamesScreen;
class CourseScreen;
class BettingScreen;
class RaceScreen;
class CalcScreen;
class SpeedScreen;
class CurrencyScreen;
class HistoryScreen;
class GameOverScreen;
class AboutScreen;

class Screens {
public:
    Screens(GameState& state, Random& random);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    GameState& state() { return state_; }
    Random& random() { return random_; }

    TitleScreen& title();
    SelectPlayersScreen& selectpl();
    DifficultyScreen& computerdifficulty();
    NamesScreen& plname();
    // Creating the betting screen sets it up: horse 1 everywhere, first odds.
    BettingScreen& betit();
    CalcScreen& computercalculation();
    CourseScreen& racecourse();
    RaceScreen& ingame();
    GameOverScreen& gameover();
    HistoryScreen& horsehistory();
    SpeedScreen& gspeed();
    CurrencyScreen& currencyed();
    AboutScreen& aboutgame();

    // Start-up: the splash alone.
    void start();

    // One step of a hand-over. Showing is never modal.
    void show(Screen& screen);
    void hide(Screen& screen);

    // Brings every screen made so far up to date with the record.
    void refreshAll();

    // Ends the program at once: every window goes, no handler runs again.
    void exitGame();
    // Tests replace the ending of the process with a hook of their own.
    void setExitHook(std::function<void()> hook) { exitHook_ = std::move(hook); }

    // Every screen made so far, for tests and the screenshot tool.
    std::vector<Screen*> created() const;

private:
    template <typename T>
    T& get(std::unique_ptr<T>& slot);

    GameState& state_;
    Random& random_;
    std::function<void()> exitHook_;
    std::vector<Screen*> created_;

    std::unique_ptr<TitleScreen> title_;
    std::unique_ptr<SelectPlayersScreen> selectpl_;
    std::unique_ptr<DifficultyScreen> computerdifficulty_;
    std::unique_ptr<NamesScreen> plname_;
    std::unique_ptr<BettingScreen> betit_;
    std::unique_ptr<CalcScreen> computercalculation_;
    std::unique_ptr<CourseScreen> racecourse_;
    std::unique_ptr<RaceScreen> ingame_;
    std::unique_ptr<GameOverScreen> gameover_;
    std::unique_ptr<HistoryScreen> horsehistory_;
    std::unique_ptr<SpeedScreen> gspeed_;
    std::unique_ptr<CurrencyScreen> currencyed_;
    std::unique_ptr<AboutScreen> aboutgame_;
};

}  // namespace furlox
