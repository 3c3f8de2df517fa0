// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screen.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

namespace {

QAccessibleInterface* screenFactory(const QString&, QObject* object)
{
    auto* screen = qobject_cast<Screen*>(object);
    return screen ? new QAccessibleWidget(screen, screen->windowRole()) : nullptr;
}

// Orca keeps what it learnt of a control while its window was hidden (not
// showing), and Qt tells it only that the window is showing again, so the
// values changed meanwhile stay out of its flat review. Fresh interfaces for
// every control, made as the window opens, are new objects to it.
void renewAccessibility(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>())
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

Screen::Screen(Screens& screens, ScreenId id, const QString& caption, int clientWidth, int clientHeight,
               Frame frame)
    : QWidget(nullptr), screens_(screens), state_(screens.state())
{
    setObjectName(QString::fromLatin1(screenTable()[static_cast<std::size_t>(id)].name));
    setWindowTitle(caption);
    if (frame == Frame::None) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        windowRole_ = QAccessible::Window;
    } else
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(tw(clientWidth), tw(clientHeight));
    QAccessible::installFactory(screenFactory);  // once: Qt ignores a factory it has
}

void Screen::setWindowRole(QAccessible::Role role)
{
    windowRole_ = role;
    // Made afresh, by the factory, with the new role.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
}

void Screen::setClientSize(int width, int height)
{
    const int extra = this->height() - client_->height();
    if (client_ != this)
        client_->setFixedSize(tw(width), tw(height));
    setFixedSize(tw(width), tw(height) + (client_ != this ? extra : 0));
}

QWidget* Screen::firstControl()
{
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->window() == this && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this))
            return w;
    }
    return nullptr;
}

void Screen::refresh()
{
    showRecord();
    QWidget* focused = focusWidget();
    if (!focused || !focused->isEnabled() || !focused->isVisibleTo(this)) {
        if (QWidget* first = firstControl())
            first->setFocus(Qt::OtherFocusReason);
    }
}

void Screen::showEvent(QShowEvent* event)
{
    renewAccessibility(*this);
    refresh();
    // A show from the window system (a minimise undone) leaves the window
    // and its focus as the player had them.
    if (!event->spontaneous()) {
        if (QWidget* first = firstControl())
            first->setFocus(Qt::OtherFocusReason);
        // Centred when first shown, and where it was on every show after.
        // Set as the client's geometry, not with move(): move() places the
        // frame's corner, and mutter hands the frame's corner back when a
        // window is hidden, so each new show put the window a title bar higher.
        if (placed_.isNull())
            if (QScreen* where = screen())
                placed_ = QRect(centredIn(where->availableGeometry(), size()), size());
        if (!placed_.isNull())
            setGeometry(QRect(placed_.topLeft(), size()));  // the size may have changed meanwhile
    }
    QWidget::showEvent(event);
}

void Screen::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        placed_ = geometry();
    QWidget::hideEvent(event);
}

void Screen::changeEvent(QEvent* event)
{
    // No screen can be minimised: the game has one window at a time and no
    // other way back to it. Some window managers offer the button anyway
    // (openbox, kwin); a minimised screen left an empty desktop and keys
    // going nowhere. Undone once the minimise is through.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] {
            if (!isVisible() || !(windowState() & Qt::WindowMinimized))
                return;
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        });
    QWidget::changeEvent(event);
}

void Screen::closeEvent(QCloseEvent* event) { event->ignore(); }

void Screen::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A push button ignores Enter unless it is a dialog's default; it
        // comes here, and is pressed like Space would.
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    } else if (key == Qt::Key_Escape && escapeButton_ && escapeButton_->isEnabled() && escapeButton_->isVisible()) {
        escapeButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace furlox
