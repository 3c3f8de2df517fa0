// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "screens/screen.h"

class QLineEdit;

namespace furlox {

// "Change Game Speed": a keypad for the race's tick interval, 30 to 1000 ms.
class SpeedScreen : public Screen {
    Q_OBJECT
public:
    explicit SpeedScreen(Screens& screens);

protected:
    // Opening the screen fills the field with the interval in force.
    void showEvent(QShowEvent* event) override;

private slots:
    void Command1Click();

private:
    QLineEdit* Text1 = nullptr;  // the number being entered; screen-only
};

}  // namespace furlox
