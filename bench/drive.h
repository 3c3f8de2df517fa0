// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Works the real screens from a benchmark: a button pressed, a timer's tick
// fired, by the control's object name.
#include <QAbstractButton>
#include <QMetaObject>
#include <QTimer>

#include "screens/screen.h"
#include "screens/screens.h"

namespace bench {

inline void press(furlox::Screens& screens, furlox::ScreenId id, const char* button)
{
    screens.get(id).findChild<QAbstractButton*>(QLatin1String(button))->click();
}

inline void tick(furlox::Screens& screens, furlox::ScreenId id, const char* timer)
{
    QMetaObject::invokeMethod(screens.get(id).findChild<QTimer*>(QLatin1String(timer)), "timeout");
}

}  // namespace bench
