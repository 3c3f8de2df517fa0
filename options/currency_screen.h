// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QPushButton;
class QRadioButton;

namespace furlox {

// "Change the Currency": the sign shown in front of every amount.
class CurrencyScreen : public Screen {
    Q_OBJECT
public:
    explicit CurrencyScreen(Screens& screens);

private slots:
    void Command1Click();

private:
    std::array<QRadioButton*, 3> options_{};  // Option1 pounds, Option2 dollars, Option3 euros
    QPushButton* Command1 = nullptr;           // "Apply"
};

}  // namespace furlox
