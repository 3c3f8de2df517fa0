// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests share: a scripted source of chance, one running game with
// its screens, and the ways a player (or a screen reader) works them.
#include <algorithm>
#include <array>
#include <deque>

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/screen.h"
#include "screens/screens.h"

namespace furlox::test {

using Odds = std::array<int, kHorseCount>;

// Hands out the values it was given, in order, then a fixed-seed sequence;
// counts the clock reseeds and the draws.
class ScriptedRandom : public Random {
public:
    ScriptedRandom(std::initializer_list<double> values = {}) : values_(values) { fallback_.setClockMixing(false); }
    void push(double value) { values_.push_back(value); }
    void pushDraw(int d, int n) { push((d - 0.5) / n); }  // makes Int(r * n + 1) come out as d
    void pushOdds(const Odds& odds) { std::for_each(odds.begin(), odds.end(), [this](int k) { pushDraw(k, 100); }); }
    double next() override;
    void reseedFromClock() override { ++reseeds; }
    int reseeds = 0, draws = 0;

private:
    std::deque<double> values_;
    SeededRandom fallback_{12345};
};

// One running game. Messages are caught instead of shown, "Exit" only sets
// a flag, and the game's timers never fire on their own: the test fires
// them, so no real timer ever races a test's own steps. Every show and hide
// of a screen is logged in order ("+betit -plname").
struct Game {
    Game();
    ~Game();
    // A control of a screen by object name ("Label27(3)", "Timer1", a menu
    // item's "newg"); the screen is made if need be.
    template <typename T = QWidget>
    T* at(ScreenId id, const QString& name)
    {
        T* found = screens.get(id).findChild<T*>(name);
        if (!found)
            qFatal("no %s on %s", qPrintable(name), screenTable()[static_cast<std::size_t>(id)].name);
        return found;
    }
    QString text(ScreenId id, const QString& name);  // a label's, button's or box's text
    void click(ScreenId id, const QString& button);   // a real mouse click
    void type(ScreenId id, const QString& box, const QString& text);  // key by key, replacing it
    bool fire(ScreenId id, const QString& timer);     // one tick, if it runs
    void menu(const QString& item) { at<QAction>(ScreenId::betit, item)->trigger(); }
    QStringList visible() const;                      // names of the visible screens

    GameState state;
    ScriptedRandom random;
    Screens screens{state, random};
    QStringList messages, handovers;
    bool exited = false;
};

void click(QAbstractButton* button);

// What a screen reader gets from a widget.
QString spoken(QWidget* widget);
QString described(QWidget* widget);
bool showing(QWidget* widget);

// The keyboard: the focused control's object name, a key pressed on it, the
// active window's Tab chain from the focused control round to it, and
// waiting until a screen is the one active window.
QString focused();
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
QStringList tabChain();
bool active(Game& game, ScreenId id);

}  // namespace furlox::test
