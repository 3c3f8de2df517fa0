// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "screens/screen.h"

class QLabel;
class QTimer;

namespace furlox {

// The start-up splash: a borderless picture for three seconds.
class TitleScreen : public Screen {
    Q_OBJECT
public:
    explicit TitleScreen(Screens& screens);

private slots:
    void Timer1Tick();

private:
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
};

}  // namespace furlox
