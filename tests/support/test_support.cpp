#include "support/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMetaObject>
#include <QTest>

#include "screens/message_box.h"

namespace furlox::test {

namespace {

// Swallows the tick events of every timer that belongs to a screen.
class HoldTimers : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched) &&
               qobject_cast<Screen*>(watched->parent());
    }
};

HoldTimers g_holdTimers;

}  // namespace

Game::Game()
{
    setMessageHook([this](const QString& text) { messages << text; });
    screens.setExitHook([this] { exited = true; });
    qApp->installEventFilter(&g_holdTimers);
}

Game::~Game()
{
    qApp->removeEventFilter(&g_holdTimers);
    setMessageHook({});
}

Screen* Game::visible() const
{
    for (Screen* screen : screens.created())
        if (screen->isVisible())
            return screen;
    return nullptr;
}

QStringList Game::visibleNames() const
{
    QStringList names;
    for (Screen* screen : screens.created())
        if (screen->isVisible())
            names << screen->objectName();
    return names;
}

void click(QAbstractButton* button)
{
    Q_ASSERT(button);
    // Aim at the middle of the part a player can see: some captions are
    // wider than their window and hang over its edge.
    const QRect seen = button->visibleRegion().boundingRect();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, seen.isEmpty() ? button->rect().center() : seen.center());
}

void typeInto(QLineEdit* box, const QString& text)
{
    Q_ASSERT(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    if (!text.isEmpty())
        QTest::keyClicks(box, text);
}

bool fireTimer(QTimer* timer)
{
    Q_ASSERT(timer);
    if (!timer->isActive())
        return false;
    return QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

QString statusText(Screens& screens)
{
    return control(screens, ScreenId::ingame, "StatusBar1")->findChild<QLabel*>()->text();
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
    if (!target)
        target = QApplication::activeWindow();
    Q_ASSERT(target);
    QTest::keyClick(target, key, modifiers);
}

QStringList tabChain()
{
    QStringList chain{focused()};
    QWidget* start = QApplication::focusWidget();
    for (int i = 0; i < 60; ++i) {
        press(Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            break;
        chain << focused();
    }
    return chain;
}

}  // namespace furlox::test
