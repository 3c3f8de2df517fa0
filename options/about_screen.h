// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "screens/screen.h"

class QPushButton;

namespace furlox {

// "About": version, credits and news.
class AboutScreen : public Screen {
    Q_OBJECT
public:
    explicit AboutScreen(Screens& screens);

private slots:
    void Command1Click();

private:
    QPushButton* Command1 = nullptr;  // "OK"
};

}  // namespace furlox
