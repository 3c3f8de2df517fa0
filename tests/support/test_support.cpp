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

QString Game::text(ScreenId id, const QString& name)
{
    QWidget* w = at(id, name);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return qobject_cast<QLineEdit*>(w)->text();
}

void Game::click(ScreenId id, const QString& button) { test::click(at<QAbstractButton>(id, button)); }
void Game::type(ScreenId id, const QString& box, const QString& text) { typeInto(at<QLineEdit>(id, box), text); }
bool Game::fire(ScreenId id, const QString& timer) { return fireTimer(at<QTimer>(id, timer)); }
void Game::menu(const QString& item) { at<QAction>(ScreenId::betit, item)->trigger(); }

QStringList Game::visible() const
{
    QStringList names;
    for (Screen* screen : screens.created())
        if (screen->isVisible())
            names << screen->objectName();
    return names;
}

QString Game::status() { return at(ScreenId::ingame, "StatusBar1")->findChild<QLabel*>()->text(); }

void click(QAbstractButton* button)
{
    // Aim at the middle of the part a player can see: some captions are
    // wider than their window and hang over its edge.
    const QRect seen = button->visibleRegion().boundingRect();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, seen.isEmpty() ? button->rect().center() : seen.center());
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

bool fireTimer(QTimer* timer)
{
    return timer->isActive() && QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

QString spoken(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

QString described(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

bool showing(QWidget* widget) { return !QAccessible::queryAccessibleInterface(widget)->state().invisible; }

QString focused()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), key, modifiers);
}

QStringList tabChain()
{
    QWidget* start = QApplication::focusWidget();
    QStringList chain{focused()};
    for (int i = 0; i < 60; ++i) {
        press(Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            break;
        chain << focused();
    }
    return chain;
}

bool active(Game& game, ScreenId id)
{
    Screen& screen = game.screens.get(id);
    return QTest::qWaitForWindowActive(&screen) && game.visible() == QStringList{screen.objectName()};
}

}  // namespace furlox::test
