// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "screens/message_box.h"

namespace furlox::test {

double ScriptedRandom::next()
{
    ++draws;
    if (values_.empty())
        return fallback_.next();
    const double v = values_.front();
    values_.pop_front();
    return v;
}

namespace {

// Swallows the ticks of every timer that belongs to a screen, and logs
// every screen shown or hidden.
class Watch : public QObject {
public:
    QStringList* handovers = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && qobject_cast<Screen*>(watched))
            *handovers << (event->type() == QEvent::Show ? "+" : "-") + watched->objectName();
        return event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched) &&
               qobject_cast<Screen*>(watched->parent());
    }
} g_watch;

}  // namespace

Game::Game()
{
    setMessageHook([this](const QString& text) { messages << text; });
    screens.setExitHook([this] { exited = true; });
    g_watch.handovers = &handovers;
    qApp->installEventFilter(&g_watch);
}

Game::~Game()
{
    qApp->removeEventFilter(&g_watch);
    setMessageHook({});
}

QString Game::text(ScreenId id, const QString& name) { return at(id, name)->property("text").toString(); }

void Game::click(ScreenId id, const QString& button) { test::click(at<QAbstractButton>(id, button)); }

void Game::type(ScreenId id, const QString& box, const QString& text)
{
    QLineEdit* edit = at<QLineEdit>(id, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

bool Game::fire(ScreenId id, const QString& timer)
{
    auto* t = at<QTimer>(id, timer);
    return t->isActive() && QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
}

QStringList Game::visible() const
{
    QStringList names;
    for (Screen* screen : screens.created())
        if (screen->isVisible())
            names << screen->objectName();
    return names;
}

void click(QAbstractButton* button)
{
    // Aim at the middle of the part a player can see: some captions are
    // wider than their window and hang over its edge.
    const QRect seen = button->visibleRegion().boundingRect();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, seen.isEmpty() ? button->rect().center() : seen.center());
}

QString spoken(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }
QString described(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); }
bool showing(QWidget* widget) { return !QAccessible::queryAccessibleInterface(widget)->state().invisible; }

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), key, modifiers);
}

QStringList tabChain()
{
    QWidget* start = QApplication::focusWidget();
    QStringList chain{focused()};
    for (press(Qt::Key_Tab); QApplication::focusWidget() != start && chain.size() < 60; press(Qt::Key_Tab))
        chain << focused();
    return chain;
}

bool active(Game& game, ScreenId id)
{
    Screen& screen = game.screens.get(id);
    return QTest::qWaitForWindowActive(&screen) && game.visible() == QStringList{screen.objectName()};
}

}  // namespace furlox::test
