#include "support/test_support.h"

#include <QApplication>
#include <QMetaObject>
#include <QTest>

#include "screens/message_box.h"

namespace furlox::test {

Game::Game()
{
    setMessageHook([this](const QString& text) { messages << text; });
    screens.setExitHook([this] { exited = true; });
}

Game::~Game() { setMessageHook({}); }

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

}  // namespace furlox::test
