// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "screens/screen.h"

class QLabel;
class QPushButton;

namespace furlox {

// "Furlox History": how many races each horse has won in this game.
class HistoryScreen : public Screen {
    Q_OBJECT
public:
    explicit HistoryScreen(Screens& screens);

private slots:
    void Command1Click();

private:
    void showRecord() override;

    std::array<QLabel*, kHorseCount> win{};  // win1 .. win6
    QPushButton* Command1 = nullptr;          // "OK"
};

}  // namespace furlox
