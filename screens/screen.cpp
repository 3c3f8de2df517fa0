#include "screens/screen.h"

#include <QCloseEvent>
#include <QScreen>

#include "screens/look.h"
#include "screens/screens.h"

namespace furlox {

Screen::Screen(Screens& screens, const QString& name, const QString& caption, int clientWidth,
               int clientHeight, Frame frame)
    : QWidget(nullptr), screens_(screens), state_(screens.state())
{
    setObjectName(name);
    setWindowTitle(caption);
    if (frame == Frame::None)
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(tw(clientWidth), tw(clientHeight));
}

void Screen::setClientSize(int width, int height)
{
    const int extra = this->height() - client_->height();
    if (client_ != this)
        client_->setFixedSize(tw(width), tw(height));
    setFixedSize(tw(width), tw(height) + (client_ != this ? extra : 0));
}

void Screen::showEvent(QShowEvent* event)
{
    refresh();
    if (!centred_) {
        centred_ = true;
        if (QScreen* where = screen())
            move(where->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

void Screen::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace furlox
