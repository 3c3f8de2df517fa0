// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen catalogue: makes each window at its first use, keeps it for
// the life of the process, and carries out the hand-overs between them.
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/screen_id.h"

namespace furlox {

class Screen;
class Screens;

// One row of the screen table: the id, the screen's name, and how to make it.
struct ScreenEntry {
    ScreenId id;
    const char* name;
    std::unique_ptr<Screen> (*make)(Screens&);
};
const std::array<ScreenEntry, kScreenCount>& screenTable();

class Screens {
public:
    Screens(GameState& state, Random& random);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    GameState& state() { return state_; }
    Random& random() { return random_; }

    // The screen, made (and, for the betting screen, set up) on first use.
    Screen& get(ScreenId id);
    // Tests and tools that know the class may ask for it.
    template <typename T>
    T& as(ScreenId id)
    {
        return static_cast<T&>(get(id));
    }

    // Start-up: the splash alone.
    void start();

    // One step of a hand-over. Showing is never modal.
    void show(ScreenId id);
    void hide(ScreenId id);
    void show(Screen& screen);
    void hide(Screen& screen);

    // Brings every screen made so far up to date with the record.
    void refreshAll();

    // Ends the program at once: every window goes, no handler runs again.
    void exitGame();
    // Tests replace the ending of the process with a hook of their own.
    void setExitHook(std::function<void()> hook) { exitHook_ = std::move(hook); }

    // Every screen made so far, in the order they were made.
    std::vector<Screen*> created() const { return created_; }

private:
    GameState& state_;
    Random& random_;
    std::function<void()> exitHook_;
    std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
    std::vector<Screen*> created_;
};

}  // namespace furlox
