#pragma once
// Helpers shared by the test programs: a scripted source of chance, a whole
// game's worth of state and screens, and ways to work the real controls.
#include <deque>
#include <memory>

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/screen.h"
#include "screens/screens.h"

namespace furlox::test {

// Hands out the values it was given, in order; once they run out it falls
// back on a fixed-seed generator. Counts the clock reseeds it was asked for.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::initializer_list<double> values = {}) : values_(values)
    {
        fallback_.setClockMixing(false);
    }
    void push(double value) { values_.push_back(value); }
    // A value that makes Int(r * n + 1) come out as d.
    void pushDraw(int d, int n) { values_.push_back((d - 0.5) / n); }
    double next() override
    {
        ++draws;
        if (values_.empty())
            return fallback_.next();
        const double v = values_.front();
        values_.pop_front();
        return v;
    }
    void reseedFromClock() override { ++reseeds; }
    std::size_t pending() const { return values_.size(); }

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<double> values_;
    SeededRandom fallback_{12345};
};

// One running game: its record, a scripted source and the screen catalogue.
// Messages are caught instead of shown; "Exit" only sets a flag. The game's
// timers never fire on their own while a Game lives: tests fire them by hand
// (fireTimer), so a real timer can never race a test's own steps.
struct Game {
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    GameState state;
    ScriptedRandom random;
    Screens screens{state, random};
    QStringList messages;
    bool exited = false;

    // The one top-level screen that is visible, or nullptr (or the first of several).
    Screen* visible() const;
    // Names of every visible screen.
    QStringList visibleNames() const;
};

template <typename T = QWidget>
T* child(QWidget* root, const QString& name)
{
    return root->findChild<T*>(name);
}

// A control of a screen by its object name ("Label27(3)", "Option12",
// "Timer1", a menu item's "newg"); the screen is made if it is not yet.
// Fails the test when there is no such control.
template <typename T = QWidget>
T* control(Screens& screens, ScreenId id, const QString& name)
{
    T* found = screens.get(id).findChild<T*>(name);
    if (!found)
        qFatal("no control %s on screen %s", qPrintable(name), screenTable()[static_cast<std::size_t>(id)].name);
    return found;
}
// The one text of the race screen's status bar.
QString statusText(Screens& screens);

// A real mouse click in the middle of the button (disabled or hidden buttons
// do nothing, as for a player).
void click(QAbstractButton* button);
// Replaces the box's text by typing, key by key, as a player would.
void typeInto(QLineEdit* box, const QString& text);
// Fires a timer's tick by hand, but only if it is running; returns whether it did.
bool fireTimer(QTimer* timer);

// What a screen reader gets from a widget.
QString spoken(QWidget* widget);       // accessible name
QString described(QWidget* widget);    // accessible description
bool showing(QWidget* widget);         // not reported invisible
// The keyboard: the focused control's object name, and a key pressed on it.
QString focused();
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The Tab chain of the active window, from the focused control round to it
// again (at most 60 stops): the object names in order.
QStringList tabChain();

}  // namespace furlox::test
